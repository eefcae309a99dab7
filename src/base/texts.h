#pragma once
// The unnumbered user-visible texts, verbatim. Numbered messages live in the
// string table (messages.h). Add new texts here, grouped by where they show.

#include <string_view>

namespace verbsmith::text {

// Titles and line ends. Every window and message box carries this title,
// those whose caller names none included.
inline constexpr std::string_view kTitle = "Carthex Verbsmith";
inline constexpr std::string_view kNL = "\r\n";

// Add-in connection.
inline constexpr std::string_view kMenuCaption = "Carthex &Verbsmith...";
inline constexpr std::string_view kAddInsBar = "Add-Ins";
inline constexpr std::string_view kSettingsApp = "CarthexVerbsmith";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kDisplayOnConnect = "DisplayOnConnect";

// Manager error sources.
inline constexpr std::string_view kGeneralMgrSource = "General Manager Object";
inline constexpr std::string_view kClassMgrSource = "Class Manager Object";
inline constexpr std::string_view kModuleMgrSource = "Module Manager Object";
inline constexpr std::string_view kFormMgrSource = "Form Manager Object";
inline constexpr std::string_view kBitmapMgrSource = "Bitmap Manager Object";
inline constexpr std::string_view kFormWizardSource = "Form Wizard Object";

// Toolbar-bitmap resource builder.
inline constexpr std::string_view kCannotFindVbPath = "Cannot find path to Visual Basic.";
inline constexpr std::string_view kCannotFindResourceCompiler = "Cannot find resource compiler.";
inline constexpr std::string_view kCannotOpenResourceFile = "Cannot open resource file for write access.";
inline constexpr std::string_view kCannotCloseResourceFile = "Cannot close resource file.";
inline constexpr std::string_view kErrorInvokingResourceCompiler = "Error invoking resource compiler.";
inline constexpr std::string_view kCannotWaitForResourceCompiler =
    "Cannot wait for resource compiler to finish.";
inline constexpr std::string_view kCannotDetermineCompilerFinished =
    "Cannot determine if resource compiler is finished.";
inline constexpr std::string_view kCannotAddBitmapsToProject = "Cannot add the bitmaps to the project.";
inline constexpr std::string_view kErrorFromResourceCompiler = "Error from resource compiler.";
inline constexpr std::string_view kCannotCompileBitmaps = "Cannot compile the bitmaps into a resource file.";
inline constexpr std::string_view kNoResourceCompilerHint =
    "If you did not install Visual Basic tools, the resource compiler is not on the system.";
inline constexpr std::string_view kCopyVbToolsHint =
    "Cancel the Verbsmith, exit Visual Basic, and copy Visual Basic tools to your system.";

// Project chooser dialog as designed.
inline constexpr std::string_view kMultiCmdCaption = "Choose Command Name";
inline constexpr std::string_view kMultiCmdExplanation =
    "Multiple instances of this command have been found in the registry.  Please choose the command "
    "you wish to add to the Carthex command set.";
inline constexpr std::string_view kMultiCmdListHeading = "Commands found in registry:";
inline constexpr std::string_view kMultiCmdChosenHeading = "Command to process:";
inline constexpr std::string_view kCancel = "Cancel";

// Command set storage.
inline constexpr std::string_view kCommandSetSource = "CommandSet";
inline constexpr std::string_view kCommandSetNotOpen = "The command set is not open.";
inline constexpr std::string_view kCommandSetCannotOpen = "Cannot open the command set database ";
inline constexpr std::string_view kCommandSetDamaged =
    " is not a command set database: it is damaged or is not an SQLite database.  It was left unchanged.";
inline constexpr std::string_view kCommandSetForeign =
    " is not a command set database: it belongs to another program.  It was left unchanged.";
inline constexpr std::string_view kCommandSetVersion = " has command set schema version ";
inline constexpr std::string_view kCommandSetVersionKnown =
    ", which this version cannot read.  It was left unchanged.";
inline constexpr std::string_view kCommandSetBadIndex = "There is no command at index ";
inline constexpr std::string_view kCommandSetNoSuchCommand = "The command is not in the command set: ";
inline constexpr std::string_view kCommandSetFull = "The command set is full.";
inline constexpr std::string_view kCommandSetFailed = "The command set database failed: ";
inline constexpr std::string_view kCommandSetNotRegular = " is not a regular file.";
inline constexpr std::string_view kCommandSetWaiting = "waiting for the command set ";
inline constexpr std::string_view kCommandSetWaitingHeld = ", which another program holds...";
inline constexpr std::string_view kCommandSetBusy = "Another program holds the command set ";
inline constexpr std::string_view kCommandSetBusyRetry = "; try again when it has finished.";

// Recap file.
inline constexpr std::string_view kCannotOpenFileForWrite = "Cannot open file for write access.";

// Wizard frame.
inline constexpr std::string_view kIntroHeading = "Introduction";
inline constexpr std::string_view kNextButton = "&Next >";
inline constexpr std::string_view kBackButton = "< &Back";
inline constexpr std::string_view kHelpButton = "&Help";
inline constexpr std::string_view kFinishButton = "&Finish";

// Start step as designed.
inline constexpr std::string_view kIntroExplanation =
    "This wizard creates or edits Visual Basic commands for a Carthex application.  Please provide the name "
    "of "
    "the company and the application, to which this command belongs.";
inline constexpr std::string_view kIntroChooseOption =
    "Choose an option below and press the Next button to begin editing your command.";
inline constexpr std::string_view kCompanyNameLabel = "Com&pany Name:";
inline constexpr std::string_view kApplicationNameLabel = "&Application Name:";
inline constexpr std::string_view kOptCreateProject = "&Create a new Project for a command.";
inline constexpr std::string_view kOptEditCommand = "&Edit command set information.";
inline constexpr std::string_view kOptDeleteCommand = "&Delete command set information.";
// The add option has its own place and access key, so the add purpose can
// be chosen like the others.
inline constexpr std::string_view kOptAddCommand = "Add Carthex command se&t information.";
inline constexpr std::string_view kProjectTypeFrame = "Project Type";
inline constexpr std::string_view kOptVBProject = "Visual Basic";
inline constexpr std::string_view kOptVCProject = "Visual C++";

inline constexpr std::string_view kCompanyNameBlank = "Company name cannot be blank";
inline constexpr std::string_view kApplicationNameBlank = "Application name cannot be blank";

// Project step.
inline constexpr std::string_view kProjNameHeading = "Choose Project Location";
inline constexpr std::string_view kProjNameExplanation =
    "A command is contained inside a project.  Please specify the project name and location which will "
    "contain this command.";
inline constexpr std::string_view kProjectNameLabel = "&Project Name:";
inline constexpr std::string_view kProjectLocationLabel = "Project &Location:";
inline constexpr std::string_view kDrivesLabel = "Dri&ves:";
inline constexpr std::string_view kNewSubDirLabel = "New &Subdirectory Name:";
inline constexpr std::string_view kCannotCreateProjectDirectory = "Cannot create the project directory.";

// Finish.
inline constexpr std::string_view kCannotWriteProjectFiles = "Cannot write the project's files.";
inline constexpr std::string_view kFinishTakenBack =
    "Nothing was changed: the command set and the project's files are as they were before Finish.";
inline constexpr std::string_view kFinishPartlyTakenBack =
    "Finish could only partly be taken back: some of the command set or the project's files may be "
    "changed. The next start of Carthex Verbsmith takes the rest back.";
inline constexpr std::string_view kProjectBusy =
    "Another Finish is at work on this project. Try again once it is done.";

// Command-name step.
inline constexpr std::string_view kCmdNameHeading = "Choose Command Name";
inline constexpr std::string_view kCmdNameExplanation =
    "Commands have a name, a description, and a tool tip.";
inline constexpr std::string_view kCmdNameInstruction =
    "Please enter the command name, description and tool tip strings now.";
inline constexpr std::string_view kCmdNameLabel = "Co&mmand Name:";
inline constexpr std::string_view kCmdDescriptionLabel = "Command &Description:  (Status Message)";
inline constexpr std::string_view kCmdToolTipLabel = "Command &Tool Tip:";

// Bitmap steps.
inline constexpr std::string_view kAddBMPHeading = "Add Toolbar Bitmap";
inline constexpr std::string_view kCustomBMPHeading = "Choose Custom Bitmap";
inline constexpr std::string_view kAddBMPExplanation =
    "Users can customize the application to run their commands from the toolbar.  The wizard can add a "
    "resource containing a toolbar bitmap to the project.";
inline constexpr std::string_view kAddBitmapFrame = "Add Bitmap";
inline constexpr std::string_view kOptNoBMP =
    "&Do not add any bitmap (uses default if the command is added to the toolbar)";
inline constexpr std::string_view kOptCustomBMP = "Add &custom bitmap";
inline constexpr std::string_view kChooseBitmapOption =
    "The wizard requires you to choose either Custom Bitmap or No Bitmap.";
inline constexpr std::string_view kCustomBMPExplanation =
    "Please specify the custom bitmaps for your command resource.  Four types of bitmaps are supported: "
    "Large Color, Large Monochrome, Small Color and Small Monochrome.";
inline constexpr std::string_view kLCBitmapLabel = "&Large Color Bitmap:";
inline constexpr std::string_view kLMBitmapLabel = "Large &Monochrome Bitmap:";
inline constexpr std::string_view kSCBitmapLabel = "Small &Color Bitmap:";
inline constexpr std::string_view kSMBitmapLabel = "Sm&all Monochrome Bitmap:";
inline constexpr std::string_view kLCBrowse = "B&rowse...";
inline constexpr std::string_view kLMBrowse = "Br&owse...";
inline constexpr std::string_view kSCBrowse = "Bro&wse...";
inline constexpr std::string_view kSMBrowse = "Brow&se...";
inline constexpr std::string_view kLCBitmapDialogTitle = "Select a Large (24x23) Color Bitmap file";
inline constexpr std::string_view kLMBitmapDialogTitle = "Select a Large (24x23) Monochrome Bitmap file";
inline constexpr std::string_view kSCBitmapDialogTitle = "Select a Small (16x15) Color Bitmap file";
inline constexpr std::string_view kSMBitmapDialogTitle = "Select a Small (16x15) Monochrome Bitmap file";
inline constexpr std::string_view kBitmapFilter = "Bitmap Files (*.bmp)|*.bmp";
inline constexpr std::string_view kBitmapExtension = "bmp";
inline constexpr std::string_view kNotABitmapFile =
    "The wizard requires you to choose a Bitmap (*.bmp) file.";
inline constexpr std::string_view kNoSuchBitmapFile =
    "The wizard requires you to choose an existing Bitmap file.";
inline constexpr std::string_view kDefaultBitmapsUsed =
    "Default bitmaps will be used for the ones that are not specified.";

// Classification, modeless, listener and command-type steps.
inline constexpr std::string_view kComClassHeading = "Command Classification";
inline constexpr std::string_view kModelessHeading = "View Listener";
inline constexpr std::string_view kListenerHeading = "View Listener Requirements";
inline constexpr std::string_view kCommandTypeHeading = "View Listener Command Type";
inline constexpr std::string_view kModalExplanation =
    "Modal commands take control of the entire application until the command completes.";
inline constexpr std::string_view kModelessExplanation =
    "Modeless commands briefly take control of the application to create or connect to windows.  Control of "
    "the application is then released so other commands may run,  but the modeless command remains active "
    "and listens to the window(s).";
inline constexpr std::string_view kOptComClassModal = "Command is Mod&al";
inline constexpr std::string_view kOptComClassModeless = "Command is Mod&eless";
inline constexpr std::string_view kChooseClassification = "Choose a command classification.";
inline constexpr std::string_view kModelessStepExplanation =
    "Some modeless commands attach to and listen for events at view windows (such as map views).";
inline constexpr std::string_view kChkModelessMapViewListener = "&Map View Listener ";
inline constexpr std::string_view kListenerExplanation =
    "Modeless commands that listen at views need to specify which properties apply to the command.";
inline constexpr std::string_view kChooseListenerProperty =
    "The wizard requires you to choose a listener property.";
inline constexpr std::string_view kCommandTypeExplanation =
    "Map view listeners can be partitioned into three main groups based on their simultaneous access "
    "requirements.";
inline constexpr std::string_view kChooseCommandType = "Choose a View Listener Command type.";

// Form step.
inline constexpr std::string_view kFormNameHeading = "Choose Form Name";
inline constexpr std::string_view kFormNameExplanation =
    "A command might require a form to gather information from the user before completing execution.  "
    "Please specify the name of this form and how the form should be positioned when displayed to the user.";
inline constexpr std::string_view kChkNoForm = "Command does not &require form";
inline constexpr std::string_view kFormNameLabel = "Form Na&me:";
inline constexpr std::string_view kFormPositionFrame = "Form Position";
inline constexpr std::string_view kOptNeverShown = "Form is never sho&wn to user ( needed to host OCX's)";
inline constexpr std::string_view kOptScreenCentered = "Form is centered in the &screen";
inline constexpr std::string_view kOptAppCentered = "Form is &centered in the application window";
inline constexpr std::string_view kOptAsDesigned =
    "Form is displayed in the position in which it was &designed";
inline constexpr std::string_view kChooseFormName = "Choose a Form Name.";
inline constexpr std::string_view kFormNameExists = "This Form Name already exists.";
inline constexpr std::string_view kChooseDifferentFormName = "Choose a different Form Name.";
inline constexpr std::string_view kChooseFormPosition = "Choose a form position.";
// Kept as designed, the missing letter included.
inline constexpr std::string_view kFormNameInProject =
    "The name chosen for the for already exists in the project.";
inline constexpr std::string_view kFormNotRequiredRecap = "Form not required";
inline constexpr std::string_view kFormNotShownRecap = "        + Form not shown";
inline constexpr std::string_view kFormScreenCenteredRecap = "        + Form centered on screen";
inline constexpr std::string_view kFormAppCenteredRecap =
    "        + Form is centered in the Valdren application window";
inline constexpr std::string_view kFormAsDesignedRecap = "        + Form displayed at design location";

// Enabling-conditions step.
inline constexpr std::string_view kEnablingConditionsHeading = "Command Enabling Conditions";
inline constexpr std::string_view kEnablingExplanation =
    "Carthex based applications support a standard set of enabling tests.  Commands whose enabling "
    "conditions can be satisfied from the list below, can let the application handle the enabling/disabling "
    "of its GUI (e.g. menu items, toolbar buttons).";

// Finish step.
inline constexpr std::string_view kFinishHeading = "Complete";
inline constexpr std::string_view kVBOnlineHint =
    "See Creating OLE Servers in Visual Basic Online for more information about creating OLE Servers.";
inline constexpr std::string_view kVBOnlineButton = "&VB Online";
inline constexpr std::string_view kFAQButton = "Frequently Asked &Questions";
inline constexpr std::string_view kPreviewButton = "P&review...";
inline constexpr std::string_view kPreviewCaption = "What Finish will do";
inline constexpr std::string_view kPreviewClose = "Close";
inline constexpr std::string_view kPreviewStops =
    "A step above failed: Finish would stop there and change nothing.";

// Help, the frequently asked questions and the online books.
inline constexpr std::string_view kHelpFileFilter = "Verbsmith helpfile (Verbsmith52.chm)|Verbsmith52.chm";
inline constexpr std::string_view kHelpFileNotFound = "File not found.";
inline constexpr std::string_view kCannotShowFaq = "Unable to display Frequently Asked Questions.";
inline constexpr std::string_view kCannotStartOnlineBooks = "Cannot start Visual Basic Online.";

// Names that must be identifiers (letters and digits, not starting with a
// digit), so that ProgIDs, file names and resource names stay sound.
inline constexpr std::string_view kProjectNameNotIdentifier =
    "The Project Name must start with a letter and hold only letters and digits.";
inline constexpr std::string_view kCommandNameNotIdentifier =
    "The Command Name must start with a letter and hold only letters and digits.";
inline constexpr std::string_view kFormNameNotIdentifier =
    "The Form Name must start with a letter and hold only letters and digits.";

// Checks of a custom bitmap's file: each text follows the file's path.
inline constexpr std::string_view kBitmapCannotBeRead = " cannot be read.";
inline constexpr std::string_view kBitmapNotBitmap = " is not a Bitmap file.";
inline constexpr std::string_view kBitmapUnsupported = " is a kind of Bitmap file the wizard cannot read.";
inline constexpr std::string_view kBitmapTruncated = " is damaged: the file is shorter than its header says.";
inline constexpr std::string_view kBitmapInconsistent = " is damaged: its header contradicts itself.";
// The path, then " is ", the width "x" the height, then one of these.
inline constexpr std::string_view kBitmapIs = " is ";
inline constexpr std::string_view kBitmapMustBeLarge = " pixels; a large bitmap must be 24x23.";
inline constexpr std::string_view kBitmapMustBeSmall = " pixels; a small bitmap must be 16x15.";
// The path, then " has ", the depth, then this.
inline constexpr std::string_view kBitmapHas = " has ";
inline constexpr std::string_view kBitmapMustBeMonochrome =
    " bits per pixel; a monochrome bitmap must have 1.";
inline constexpr std::string_view kBitmapMustBeColor = " has 1 bit per pixel; a color bitmap needs more.";

// Checks before Finish runs.
inline constexpr std::string_view kTemplatesFaulty = "The project cannot be made from these templates:";
inline constexpr std::string_view kCannotFindDirectory = "Cannot find the directory ";
inline constexpr std::string_view kCannotWriteDirectory = "Cannot write to the directory ";
inline constexpr std::string_view kFinishWithoutBitmaps =
    "Do you want to finish without compiling the bitmaps?";
inline constexpr std::string_view kLinkOutsideProject =
    "Finish does not write through a symbolic link to a file outside the project: ";
inline constexpr std::string_view kLinkLeadsTo = " leads to ";
inline constexpr std::string_view kPlanLinkTo = " (a link to ";

}  // namespace verbsmith::text

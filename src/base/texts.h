#pragma once
// The unnumbered user-visible texts, verbatim. Numbered messages live in the
// string table (messages.h). Add new texts here, grouped by where they show.

#include <string_view>

namespace verbsmith::text {

// Titles and line ends.
inline constexpr std::string_view kTitle = "Carthex Verbsmith";
// The title a message box carries when the caller gives none (the add-in's
// own application title).
inline constexpr std::string_view kDefaultTitle = "CarthexVerbsmith";
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

// Command-name step.
inline constexpr std::string_view kCmdNameHeading = "Choose Command Name";

// Bitmap steps.
inline constexpr std::string_view kAddBMPHeading = "Add Toolbar Bitmap";
inline constexpr std::string_view kCustomBMPHeading = "Choose Custom Bitmap";

// Classification, modeless, listener and command-type steps.
inline constexpr std::string_view kComClassHeading = "Command Classification";
inline constexpr std::string_view kModelessHeading = "View Listener";
inline constexpr std::string_view kListenerHeading = "View Listener Requirements";
inline constexpr std::string_view kCommandTypeHeading = "View Listener Command Type";

// Form step.
inline constexpr std::string_view kFormNameHeading = "Choose Form Name";

// Enabling-conditions step.
inline constexpr std::string_view kEnablingConditionsHeading = "Command Enabling Conditions";

// Finish step.
inline constexpr std::string_view kFinishHeading = "Complete";

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

}  // namespace verbsmith::text

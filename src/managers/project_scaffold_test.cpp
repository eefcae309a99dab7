// The copy of the templates into a new project, the project file's read,
// edit and write, the project name lookup, and the generators run on the
// copies the way the create and edit flows run them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "managers/manager_set.h"
#include "managers/template_check.h"
#include "managers/template_render.h"
#include "model/project_file.h"
#include "support/file_host.h"

namespace verbsmith {
namespace {

using Lines = std::vector<std::string>;

class ProjectScaffoldTest : public ::testing::Test {
 protected:
  ProjectScaffoldTest() : files_("C:\\t\\tpl\\") {
    dir_.CopyFromSourceTree("templates", "tpl");
    dir_.MakeDir("p/src");
    dir_.MakeDir("p/bin");
    gen_.SetCurrentPath(dir_.WindowsPath("p"));
    gen_.SetCurrentPathSrc(dir_.WindowsPath("p/src"));
    gen_.SetCurrentPathBin(dir_.WindowsPath("p/bin"));
    gen_.SetProjectName("Measuring");
    cls_.SetClassname("Measure");
    module_.SetModuleName("Measure");
    form_.SetFormName("frmMeasure");
  }

  Lines FileLines(const std::string& relative) const { return SplitTextLines(dir_.Read(relative)); }
  std::string TemplateDir() const { return dir_.WindowsPath("tpl") + "\\"; }
  std::string ProjectDir() const { return dir_.WindowsPath("p") + "\\"; }
  std::string WorkDir() const { return dir_.WindowsPath("work") + "\\"; }

  Lines TemplateLines(const char* name) const { return FileLines(std::string("tpl/") + name); }
  Lines ClassLines() const { return FileLines("p/src/" + options_.commandName + ".cls"); }

  void Render() { ASSERT_TRUE(RenderCommand(files_.host, options_, TemplateDir(), ProjectDir()).succeeded); }

  // Whether the rendered class holds this line of code, uncommented.
  bool HasCode(const std::string& code) const {
    const Lines lines = ClassLines();
    return std::find(lines.begin(), lines.end(), code) != lines.end();
  }

  std::size_t TemplateLineOf(const char* name, const std::string& text) const {
    const Lines lines = TemplateLines(name);
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin()) + 1;
  }

  test::MemoryHost files_;
  test::MemoryDir dir_{files_.files};
  ManagerSet managers_{files_.host};
  // Renewed once, before the references to its managers are taken.
  GeneralMgrClass& gen_ = (managers_.Renew(), managers_.General());
  ClassMgrClass& cls_ = managers_.Class();
  ModuleMgrClass& module_ = managers_.Module();
  FormMgrClass& form_ = managers_.Form();
  RenderOptions options_;
};

// The manager shows nothing itself: the render, like the finish flow, gets
// the messages and a copy that failed fails it.
TEST_F(ProjectScaffoldTest, AMissingTemplateDirectoryGivesCopyThenAttributeMessagesPerFile) {
  RemoveDirectoryTree(files_.files, TemplateDir());
  EXPECT_TRUE(gen_.CopyTemplate().failed);
  EXPECT_TRUE(files_.dialogs.MessageBoxes().empty());
  Lines expected;
  for (int file = 0; file < 4; ++file) {
    expected.insert(expected.end(), {"Error copying template file.", "Error setting file attributes."});
  }
  const RenderOutcome rendered = RenderCommand(files_.host, options_, TemplateDir(), ProjectDir());
  EXPECT_FALSE(rendered.succeeded);
  ASSERT_GE(rendered.messages.size(), expected.size());
  EXPECT_EQ(Lines(rendered.messages.begin(), rendered.messages.begin() + 8), expected);
}

TEST_F(ProjectScaffoldTest, NamesMustDifferBeyondLetterCase) {
  bool unique = false;
  gen_.NamesUnique(unique);
  EXPECT_TRUE(unique);
  gen_.SetProjectName("MEASURE");
  gen_.NamesUnique(unique);
  EXPECT_FALSE(unique);
  gen_.SetProjectName("Measuring");
  form_.SetFormName("measure1");
  gen_.NamesUnique(unique);
  EXPECT_FALSE(unique);
}

TEST_F(ProjectScaffoldTest, AFailedProjectReadLeavesTheProjectFileAsItWas) {
  gen_.SetCompleteProjFilename(dir_.WindowsPath("p/src/Measuring.vbp"));
  dir_.MakeDir("p/src/Measuring.vbp");  // a directory where the file should be
  gen_.ReadProject();
  gen_.ModifyProject();
  gen_.WriteModifiedProject();
  EXPECT_EQ(files_.files.GetAttributes(dir_.WindowsPath("p/src/Measuring.vbp")), attr::kDirectory);
  EXPECT_EQ(files_.Prompts(), (Lines{"Cannot open the project for read access.  ",
                                     "Cannot open the project file for write access.  "}));
}

TEST_F(ProjectScaffoldTest, ProjectNameComesFromTheFirstNameLineQuotedOrNot) {
  for (const auto& [text, name] :
       {std::pair{"Type=OleDll\r\nExeName=\"x\"\r\nName=\"Measuring\"\r\nName=\"Later\"\r\n", "Measuring"},
        {"Type=OleDll\nVersionCompanyName=\"V\"\n", ""},
        {"Name=Measuring\r\n", "Measuring"}}) {
    dir_.Write("a.vbp", text);
    EXPECT_EQ(ProjectNameFromFile(files_.host, dir_.WindowsPath("a.vbp")), name) << text;
  }
  EXPECT_EQ(ProjectNameFromFile(files_.host, dir_.WindowsPath("none.vbp")), "");
  EXPECT_EQ(files_.Prompts(), Lines{"Cannot open the project for read access.  "});
}

// The generators run on the template copies the way the create flow runs
// them.
using GeneratorsTest = ProjectScaffoldTest;

// Each fault planted in a template copy is named by file, and by line where
// there is one.
TEST_F(GeneratorsTest, TheShippedTemplatesPassTheCheckAndPlantedFaultsAreNamed) {
  dir_.MakeDir("work");
  const auto shipped = CheckTemplateDirectory(files_.host, TemplateDir(), WorkDir());
  EXPECT_FALSE(shipped) << shipped->Describe();
  const struct {
    const char* file;
    std::string from;
    std::string to;
    std::string lineText;  // the template line named; empty: any line
    std::string inMessage;
  } cases[] = {
      {kClassTemplate, "'ENDWIZARD\r\nPrivate Sub Class_Terminate", "Private Sub Class_Terminate",
       "'WIZARD HasCustomStartupRequirements", ""},
      {kClassTemplate, "Attribute VB_Description = \"Carthex command\\\\nCommand\"\r\n", "", "",
       "Attribute VB_Description"},
      {kProjectTemplate, "Type=OleDll\r\n", "Type=OleDll\r\nVersionFileDescription=\"x\"\r\n",
       "VersionFileDescription=\"x\"", ""},
      {kClassTemplate, "'    m_IsActive = True", "    m_IsActive = True", "    m_IsActive = True", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    const std::string original = dir_.Read(std::string("tpl/") + c.file);
    const std::size_t at = original.find(c.from);
    ASSERT_NE(at, std::string::npos);
    dir_.Write(std::string("tpl/") + c.file, std::string(original).replace(at, c.from.size(), c.to));
    const auto fault = CheckTemplateDirectory(files_.host, TemplateDir(), WorkDir());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->file, TemplateDir() + c.file);
    if (!c.lineText.empty()) {
      EXPECT_EQ(fault->line, TemplateLineOf(c.file, c.lineText));
      EXPECT_NE(fault->Describe().find(std::string(c.file) + ":"), std::string::npos);
    }
    EXPECT_NE(fault->message.find(c.inMessage), std::string::npos);
    dir_.Write(std::string("tpl/") + c.file, original);
  }
}

TEST_F(GeneratorsTest, TheFormPositionDecidesHowTheFormIsShown) {
  const std::string show = "    frmSampleCommand.Show ShowMode";
  const std::string centre = "    CenterOnScreen frmSampleCommand";
  const std::string onApplication = "    CenterOnApplication frmSampleCommand, m_Application";
  const std::string hidden = "    ' The form stays hidden; it is loaded for the controls it holds.";
  const struct {
    int32_t position;
    Lines present;
    Lines absent;
  } cases[] = {
      {0, {hidden}, {show}},
      {1, {"    Load frmSampleCommand", centre, show, "'WIZARD CenterOnScreen"}, {onApplication}},
      {3, {show}, {centre, onApplication}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    options_.formPosition = c.position;
    Render();
    for (const std::string& code : c.present) EXPECT_TRUE(HasCode(code)) << code;
    for (const std::string& code : c.absent) EXPECT_FALSE(HasCode(code)) << code;
  }
  // The module is named after the class with a suffix.
  EXPECT_EQ(FileLines("p/src/SampleCommand1.bas")[0], "Attribute VB_Name = \"SampleCommand1\"");
}

TEST_F(GeneratorsTest, TheFormLosesItsEventControlUnlessItListensKeepingItsLineCount) {
  options_.formPosition = 3;
  Render();
  const Lines form = FileLines("p/src/frmSampleCommand.frm");
  const Lines templ = TemplateLines(kFormTemplate);
  ASSERT_EQ(form.size(), templ.size());
  const auto begin = std::find_if(templ.begin(), templ.end(), [](const std::string& l) {
    return l.find("EventControl") != std::string::npos;
  });
  const std::size_t first = static_cast<std::size_t>(begin - templ.begin());
  for (std::size_t i = first; i < first + 7; ++i) EXPECT_EQ(form[i], "") << i;
  EXPECT_EQ(form[first + 7], templ[first + 7]);
  EXPECT_EQ(form[2], "Begin VB.Form frmSampleCommand");
  EXPECT_EQ(form[4], "   Caption         =   \"Sample \"\"tip\"\"\"");

  options_.isMapViewListener = true;
  Render();
  const Lines listening = FileLines("p/src/frmSampleCommand.frm");
  EXPECT_EQ(listening[first], templ[first]);
}

// An edit derives the form and module names from the command's name; a
// project whose own files are named otherwise keeps its lines.
TEST_F(ProjectScaffoldTest, AnEditKeepsTheProjectsOwnFormAndModuleLinesWhenTheDerivedFilesAreMissing) {
  dir_.Write("p/src/Measuring.vbp",
             "Form=frmPicker.frm\r\nModule=modMain;modMain.bas\r\nName=\"Measuring\"\r\n");
  gen_.SetCompleteProjFilename(dir_.WindowsPath("p/src/Measuring.vbp"));
  gen_.SetWizardPurpose(1);
  gen_.ReadProject();
  gen_.ModifyProject();
  gen_.WriteModifiedProject();
  Lines lines = FileLines("p/src/Measuring.vbp");
  EXPECT_EQ(lines.at(0), "Form=frmPicker.frm");
  EXPECT_EQ(lines.at(1), "Module=modMain;modMain.bas");

  dir_.Write("p/src/frmMeasure.frm", "");
  gen_.ReadProject();
  gen_.ModifyProject();
  gen_.WriteModifiedProject();
  lines = FileLines("p/src/Measuring.vbp");
  EXPECT_EQ(lines.at(0), "Form=frmMeasure.frm");
  EXPECT_EQ(lines.at(1), "Module=modMain;modMain.bas");
}

}  // namespace
}  // namespace verbsmith

// The generators and the project-file editor driven the way the create and
// edit flows drive them, on copies of the shipped templates.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "spec/general_mgr_class.h"
#include "spec/template_check.h"
#include "spec/template_render.h"
#include "support/fake_connection.h"
#include "support/file_host.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class GeneratorsTest : public ::testing::Test {
 protected:
  GeneratorsTest() {
    fs::copy(test::SourceTreePath("templates"), dir_.MakeDir("tpl"));
    dir_.MakeDir("proj");
    dir_.MakeDir("work");
  }

  std::string TemplateDir() const { return dir_.WindowsPath("tpl") + "\\"; }
  std::string ProjectDir() const { return dir_.WindowsPath("proj") + "\\"; }
  std::string WorkDir() const { return dir_.WindowsPath("work") + "\\"; }

  Lines FileLines(const std::string& relative) const { return SplitTextLines(dir_.Read(relative)); }
  Lines TemplateLines(const char* name) const { return FileLines(std::string("tpl/") + name); }
  Lines ClassLines() const { return FileLines("proj/src/" + options_.commandName + ".cls"); }

  void Render() { ASSERT_TRUE(RenderCommand(files_.host, options_, TemplateDir(), ProjectDir()).empty()); }

  // Whether the rendered class holds this line of code, uncommented.
  bool HasCode(const std::string& code) const {
    const Lines lines = ClassLines();
    return std::find(lines.begin(), lines.end(), code) != lines.end();
  }

  std::size_t TemplateLineOf(const char* name, const std::string& text) const {
    const Lines lines = TemplateLines(name);
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin()) + 1;
  }

  test::TempDir dir_;
  test::FileHost files_;
  RenderOptions options_;
};

// Each fault planted in a template copy is named by file, and by line where
// there is one.
TEST_F(GeneratorsTest, TheShippedTemplatesPassTheCheckAndPlantedFaultsAreNamed) {
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
  EXPECT_EQ(FileLines("proj/src/SampleCommand1.bas")[0], "Attribute VB_Name = \"SampleCommand1\"");
}

TEST_F(GeneratorsTest, WithoutAFormNoFormCodeIsSwitchedOnAndNoFormFileIsMade) {
  options_.formNotRequired = true;
  options_.formPosition = 1;
  Render();
  for (const std::string& line : ClassLines()) {
    if (line.find("Load ") != std::string::npos || line.find(".Show") != std::string::npos) {
      EXPECT_EQ(line.find_first_not_of(' '), line.find('\'')) << line;
    }
  }
  EXPECT_FALSE(dir_.Exists("proj/src/frmSampleCommand.frm"));
  EXPECT_FALSE(dir_.Exists("proj/src/.frm"));
  const Lines project = FileLines("proj/src/SampleProject.vbp");
  EXPECT_EQ(project.size(), TemplateLines(kProjectTemplate).size());
  EXPECT_EQ(std::count(project.begin(), project.end(), ""), 1);
}

TEST_F(GeneratorsTest, TheFormLosesItsEventControlUnlessItListensKeepingItsLineCount) {
  options_.formPosition = 3;
  Render();
  const Lines form = FileLines("proj/src/frmSampleCommand.frm");
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
  const Lines listening = FileLines("proj/src/frmSampleCommand.frm");
  EXPECT_EQ(listening[first], templ[first]);
}

TEST_F(GeneratorsTest, TheEditFlowRewritesOnlyTheDescriptionLine) {
  dir_.Write("proj/Existing.cls", dir_.Read(std::string("tpl/") + kClassTemplate));
  LineBuffer lines;
  GeneralMgrClass gen(files_.host, lines);
  ClassMgrClass cls(files_.host, lines);
  FormMgrClass form(files_.host, lines);
  test::FakeConnection connection;
  connection.genMgr = &gen;
  connection.classMgr = &cls;
  connection.formMgr = &form;
  cls.InitializeObjects(&connection);
  gen.SetCurrentPathSrc(dir_.WindowsPath("proj"));
  gen.SetWizardPurpose(1);
  gen.SetCommandIsModeless(true);
  cls.SetClassname("Existing");
  cls.SetCommandDesc("New description");
  cls.SetCommandToolTip("New tip");
  cls.ReadClass();
  cls.ModifyClass();
  cls.WriteClass();

  Lines expected = TemplateLines(kClassTemplate);
  const auto description = std::find_if(expected.begin(), expected.end(), [](const std::string& line) {
    return line.starts_with("Attribute VB_Description");
  });
  ASSERT_NE(description, expected.end());
  *description = R"(Attribute VB_Description = "New description\\nNew tip")";
  EXPECT_EQ(FileLines("proj/Existing.cls"), expected);
}

}  // namespace
}  // namespace verbsmith

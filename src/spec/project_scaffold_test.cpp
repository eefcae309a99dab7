// The project file's read, edit and write, the project name lookup, and the
// copy of the templates into a new project.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "generate/project_lines.h"
#include "spec/general_mgr_class.h"
#include "spec/project_file.h"
#include "support/fake_connection.h"
#include "support/file_host.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ProjectScaffoldTest : public ::testing::Test {
 protected:
  ProjectScaffoldTest() : files_(dir_.WindowsPath("tpl") + "\\") {
    fs::copy(test::SourceTreePath("templates"), dir_.MakeDir("tpl"));
    dir_.MakeDir("p/src");
    dir_.MakeDir("p/bin");
    connection_.genMgr = &gen_;
    connection_.classMgr = &cls_;
    connection_.moduleMgr = &module_;
    connection_.formMgr = &form_;
    gen_.InitializeObjects(&connection_);
    cls_.InitializeObjects(&connection_);
    form_.InitializeObjects(&connection_);
    module_.InitializeObjects(&connection_);
    gen_.SetCurrentPath(dir_.WindowsPath("p"));
    gen_.SetCurrentPathSrc(dir_.WindowsPath("p/src"));
    gen_.SetCurrentPathBin(dir_.WindowsPath("p/bin"));
    gen_.SetProjectName("Measuring");
    cls_.SetClassname("Measure");
    module_.SetModuleName("Measure");
    form_.SetFormName("frmMeasure");
  }

  Lines FileLines(const std::string& relative) const { return SplitTextLines(dir_.Read(relative)); }

  test::TempDir dir_;
  test::FileHost files_;
  LineBuffer lines_;
  GeneralMgrClass gen_{files_.host, lines_};
  ClassMgrClass cls_{files_.host, lines_};
  ModuleMgrClass module_{files_.host, lines_};
  FormMgrClass form_{files_.host, lines_};
  test::FakeConnection connection_;
};

TEST_F(ProjectScaffoldTest, CopyTemplateMakesFourWritableCopiesAndThreeWithoutAForm) {
  for (const auto& entry : fs::directory_iterator(dir_.HostPath("tpl"))) {
    fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  gen_.CopyTemplate();
  gen_.CopyTemplate();  // over the read-only copies made before
  EXPECT_EQ(gen_.CompleteProjFilename(), dir_.WindowsPath("p/src/Measuring.vbp"));
  for (const char* name : {"Measuring.vbp", "Measure.cls", "Measure1.bas", "frmMeasure.frm"}) {
    const std::string path = dir_.WindowsPath(std::string("p/src/") + name);
    ASSERT_TRUE(dir_.Exists(std::string("p/src/") + name)) << name;
    EXPECT_EQ(files_.files.GetAttributes(path) & attr::kReadOnly, 0u) << name;
  }
  dir_.MakeDir("q/src");
  gen_.SetCurrentPathSrc(dir_.WindowsPath("q/src"));
  cls_.SetClassname("Measure");
  module_.SetModuleName("Measure");
  form_.SetFormName("");
  gen_.SetFormNotRequired(true);
  gen_.CopyTemplate();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.HostPath("q/src")), fs::directory_iterator()), 3);
  EXPECT_TRUE(files_.Prompts().empty());
}

TEST_F(ProjectScaffoldTest, AMissingTemplateDirectoryShowsCopyThenAttributeMessagesPerFile) {
  fs::remove_all(dir_.HostPath("tpl"));
  gen_.CopyTemplate();
  Lines expected;
  for (int file = 0; file < 4; ++file) {
    expected.insert(expected.end(), {"Error copying template file.", "Error setting file attributes."});
  }
  EXPECT_EQ(files_.Prompts(), expected);
  for (const auto& box : files_.dialogs.MessageBoxes()) {
    EXPECT_EQ(box.title, "CarthexVerbsmith");
    EXPECT_EQ(box.style, 0);
  }
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

TEST_F(ProjectScaffoldTest, TheProjectFileKeepsItsLengthAndGetsTheCommandsLines) {
  gen_.SetProjectDesc("Command:  Measure");
  gen_.CopyTemplate();
  gen_.ReadProject();
  gen_.ModifyProject();
  SetResFileLine(lines_, dir_.WindowsPath("p/src/Measure.res"));
  gen_.WriteModifiedProject();
  const Lines templ = FileLines("tpl/CarthexCommand.vbp");
  const Lines project = FileLines("p/src/Measuring.vbp");
  ASSERT_EQ(project.size(), templ.size() + 1);
  EXPECT_EQ(project[0], "ResFile32=" + dir_.WindowsPath("p/src/Measure.res"));
  EXPECT_EQ(project[1], templ[0]);
  for (const std::string& line : {std::string("Module=Measure1;Measure1.bas"),
                                  "ExeName32=\"" + dir_.WindowsPath("p/bin") + "\\Measure.dll\""}) {
    EXPECT_NE(std::find(project.begin(), project.end(), line), project.end()) << line;
  }
  EXPECT_TRUE(files_.Prompts().empty());
}

TEST_F(ProjectScaffoldTest, AFailedProjectReadLeavesTheProjectFileAsItWas) {
  gen_.SetCompleteProjFilename(dir_.WindowsPath("p/src/Measuring.vbp"));
  dir_.MakeDir("p/src/Measuring.vbp");  // a directory where the file should be
  gen_.ReadProject();
  gen_.ModifyProject();
  gen_.WriteModifiedProject();
  EXPECT_TRUE(fs::is_directory(dir_.HostPath("p/src/Measuring.vbp")));
  EXPECT_EQ(files_.Prompts(), (Lines{"Cannot open the project for read access.  ",
                                     "Cannot open the project file for write access.  "}));
}

TEST_F(ProjectScaffoldTest, ProjectNameComesFromTheFirstNameLineQuotedOrNot) {
  const struct {
    const char* text;
    const char* name;
  } cases[] = {
      {"Type=OleDll\r\nExeName=\"x\"\r\nName=\"Measuring\"\r\nName=\"Later\"\r\n", "Measuring"},
      {"Type=OleDll\nVersionCompanyName=\"V\"\n", ""},
      {"Name=Measuring\r\n", "Measuring"},
  };
  for (const auto& c : cases) {
    dir_.Write("a.vbp", c.text);
    EXPECT_EQ(ProjectNameFromFile(files_.host, dir_.WindowsPath("a.vbp")), c.name) << c.text;
  }
  EXPECT_TRUE(files_.Prompts().empty());
  EXPECT_EQ(ProjectNameFromFile(files_.host, dir_.WindowsPath("none.vbp")), "");
  EXPECT_EQ(files_.Prompts(), Lines{"Cannot open the project for read access.  "});
}

}  // namespace
}  // namespace verbsmith

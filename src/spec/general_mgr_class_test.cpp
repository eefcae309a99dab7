#include "spec/general_mgr_class.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/file_host.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

class GeneralMgrClassTest : public ::testing::Test {
 protected:
  GeneralMgrClassTest() : genMgr(env.host, lines) {}

  test::FileHost env;
  LineBuffer lines;
  GeneralMgrClass genMgr;
};

TEST_F(GeneralMgrClassTest, PathsKeepExactlyOneTrailingBackslash) {
  const std::string current = env.files.CurrentDirectory();
  EXPECT_EQ(genMgr.CurrentPath(), current.back() == '\\' ? current : current + "\\");
  EXPECT_EQ(genMgr.CurrentPath().find("\\\\"), std::string::npos);
  genMgr.SetCurrentPathSrc("C:\\p\\src");
  EXPECT_EQ(genMgr.CurrentPathSrc(), "C:\\p\\src\\");
  genMgr.SetCurrentPathSrc("C:\\p\\src\\");
  EXPECT_EQ(genMgr.CurrentPathSrc(), "C:\\p\\src\\");
  genMgr.SetCurrentPathSrc("");
  EXPECT_EQ(genMgr.CurrentPathSrc(), "");
  genMgr.SetCurrentPathBin("C:\\p\\bin");
  EXPECT_EQ(genMgr.CurrentPathBin(), "C:\\p\\bin\\");
  genMgr.SetCurrentPath("C:\\p");
  EXPECT_EQ(genMgr.CurrentPath(), "C:\\p\\");
}

TEST_F(GeneralMgrClassTest, ProjectNameSetsTheFileNameButNotTheOtherWayRound) {
  EXPECT_EQ(genMgr.ProjectFilename(), "CarthexCommand.vbp");
  genMgr.SetProjectName("Mine");
  EXPECT_EQ(genMgr.ProjectFilename(), "Mine.vbp");
  genMgr.SetProjectFilename("Other.vbp");
  EXPECT_EQ(genMgr.ProjectName(), "Mine");
}

class GeneralMgrInitializeTest : public GeneralMgrClassTest {
 protected:
  GeneralMgrInitializeTest()
      : classMgr(env.host, lines), moduleMgr(env.host, lines), formMgr(env.host, lines) {
    connection.classMgr = &classMgr;
    connection.moduleMgr = &moduleMgr;
    connection.formMgr = &formMgr;
    // The bitmap manager lives in a layer above; the general manager only
    // keeps the reference, so any distinct address serves.
    connection.bitmapMgr = reinterpret_cast<IBitmapMgr*>(&bitmapStandIn);
    connection.vbInst = &ide;
  }
  ClassMgrClass classMgr;
  ModuleMgrClass moduleMgr;
  FormMgrClass formMgr;
  int bitmapStandIn = 0;
  test::FakeIde ide;
  test::FakeConnection connection;
};

TEST_F(GeneralMgrInitializeTest, MissingFormManagerIsRecordedAfterClassAndModuleManagers) {
  genMgr.InitializeObjects(&connection);
  EXPECT_EQ(env.err.Number(), 0);
  EXPECT_EQ(genMgr.VBInst(), &ide);
  EXPECT_NE(genMgr.BitmapMgr(), nullptr);
  connection.formMgr = nullptr;
  GeneralMgrClass partial(env.host, lines);
  partial.InitializeObjects(&connection);
  EXPECT_EQ(env.err.Number(), 22509);
  EXPECT_EQ(env.err.Source(), "General Manager Object");
  EXPECT_EQ(env.err.Description(), "Form Manager object not properly created.");
  EXPECT_NE(partial.ClassMgr(), nullptr);
  EXPECT_NE(partial.ModuleMgr(), nullptr);
  EXPECT_EQ(partial.FormMgr(), nullptr);
  EXPECT_EQ(partial.BitmapMgr(), nullptr);
  EXPECT_EQ(partial.VBInst(), nullptr);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(GeneralMgrInitializeTest, ChecksFollowTheirFixedOrder) {
  const struct {
    void (*clear)(test::FakeConnection&);
    int32_t number;
  } cases[] = {
      {[](test::FakeConnection& c) { c.classMgr = nullptr, c.moduleMgr = nullptr; }, 22508},
      {[](test::FakeConnection& c) { c.moduleMgr = nullptr, c.formMgr = nullptr; }, 22510},
      {[](test::FakeConnection& c) { c.bitmapMgr = nullptr, c.vbInst = nullptr; }, 22511},
      {[](test::FakeConnection& c) { c.vbInst = nullptr; }, 22512},
  };
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.number);
    test::FakeConnection broken = connection;
    testCase.clear(broken);
    GeneralMgrClass fresh(env.host, lines);
    fresh.InitializeObjects(&broken);
    EXPECT_EQ(env.err.Number(), testCase.number);
  }
  genMgr.InitializeObjects(nullptr);
  EXPECT_EQ(env.err.Number(), 22506);
  EXPECT_EQ(env.err.Description(), "Verbsmith not properly created.");
}

TEST(GeneralMgrRecapTest, RecapFileHoldsTheTotalRecapAndALineEnd) {
  test::TempDir dir;
  test::FileHost env;
  LineBuffer lines;
  GeneralMgrClass genMgr(env.host, lines);
  ClassMgrClass classMgr(env.host, lines);
  test::FakeConnection connection;
  connection.classMgr = &classMgr;
  connection.genMgr = &genMgr;
  genMgr.InitializeObjects(&connection);
  genMgr.SetCurrentPathSrc(dir.WindowsPath());
  classMgr.InitializeObjects(&connection);
  classMgr.SetClassname("MyCommand");
  genMgr.SetTotalRecapString("Creating a modal command.Tip\r\n");
  genMgr.WriteRecap();
  EXPECT_EQ(dir.Read("MyCommand.txt"), "Creating a modal command.Tip\r\n\r\n");
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());

  // A directory where the file should go makes the write fail: reported,
  // and the run goes on.
  dir.MakeDir("blocked/MyCommand.txt");
  genMgr.SetCurrentPathSrc(dir.WindowsPath("blocked"));
  genMgr.WriteRecap();
  ASSERT_EQ(env.dialogs.MessageBoxes().size(), 1u);
  EXPECT_EQ(env.dialogs.MessageBoxes()[0].prompt, "Cannot open file for write access.  ");
  EXPECT_EQ(env.dialogs.MessageBoxes()[0].style, 48);
  EXPECT_EQ(env.dialogs.MessageBoxes()[0].title, "Carthex Verbsmith");
}

}  // namespace
}  // namespace verbsmith

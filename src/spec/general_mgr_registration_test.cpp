#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "spec/general_mgr_class.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/file_host.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

// The ports and the managers the registration operations reach.
class RegistrationTest : public ::testing::Test {
 protected:
  RegistrationTest() {
    env.registry.LoadFile(test::SourceTreePath("tests/fixtures/registration/commands.reg").string());
    dir.MakeDir("proj/bin");
    connection.classMgr = &classMgr;
    connection.moduleMgr = &moduleMgr;
    connection.formMgr = &formMgr;
    connection.bitmapMgr = &bitmapMgr;
    connection.vbInst = &ide;
    gen.InitializeObjects(&connection);
    gen.SetProjectName("ZoomCmd");
    gen.SetCurrentPathBin(dir.WindowsPath("proj/bin"));
  }

  test::TempDir dir;
  test::FileHost env;
  Host& host = env.host;

  LineBuffer lines;
  test::FakeClassMgr classMgr;
  ModuleMgrClass moduleMgr{host, lines};
  FormMgrClass formMgr{host, lines};
  test::FakeBitmapMgr bitmapMgr;
  test::FakeIde ide;
  test::FakeConnection connection;
  GeneralMgrClass gen{host, lines};
};

class WriteIniTest : public RegistrationTest {};

TEST_F(WriteIniTest, WritesElevenKeysInOrderUnderTheClassName) {
  gen.SetViewListenerCommandType(2);
  gen.SetCommandsEnablingConditions(2048);
  gen.SetViewListenerRequirements(-5);
  bitmapMgr.lcLocation = "C:\\bmp\\";
  bitmapMgr.lcFile = "big.bmp";
  bitmapMgr.smLocation = "C:\\bmp\\";
  bitmapMgr.smFile = "sm.bmp";
  gen.WriteINI();

  EXPECT_TRUE(env.Prompts().empty());
  EXPECT_EQ(dir.Read("proj/bin/CmdSvr.ini"),
            "[CmdSvr]\r\n"
            "ProgID=ZoomCmd.CmdSvr\r\n"
            "CommandType=2\r\n"
            "EnableMask=2048\r\n"
            "ListenerMask=-5\r\n"
            "IsModal=1\r\n"
            "Description=Zooms to the selection\r\n"
            "ToolTip=Zoom to selection\r\n"
            "SmallMonoBitmapPath=C:\\bmp\\sm.bmp\r\n"
            "SmallColorBitmapPath=\r\n"
            "LargeMonoBitmapPath=\r\n"
            "LargeColorBitmapPath=C:\\bmp\\big.bmp\r\n");
}

TEST_F(WriteIniTest, RunningTwiceKeepsOneSectionWithTheSecondValues) {
  gen.WriteINI();
  classMgr.desc = "Pans to the selection";
  gen.SetCommandIsModeless(true);
  gen.WriteINI();

  const std::string text = dir.Read("proj/bin/CmdSvr.ini");
  EXPECT_EQ(text.find("[CmdSvr]"), text.rfind("[CmdSvr]"));
  EXPECT_NE(text.find("Description=Pans to the selection\r\n"), std::string::npos);
  EXPECT_NE(text.find("IsModal=0\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Zooms"), std::string::npos);
}

TEST_F(WriteIniTest, KeepsOtherSectionsOfTheFile) {
  dir.Write("proj/bin/CmdSvr.ini", "[Other]\r\nKey=Value\r\n");
  gen.WriteINI();
  EXPECT_EQ(env.profiles.GetString("Other", "Key", "", dir.WindowsPath("proj/bin/CmdSvr.ini"), 255), "Value");
}

// A missing bin directory, or a file in its place, fails the write: one
// message, and no directory made.
TEST_F(WriteIniTest, AFailedWriteIsReportedOnce) {
  dir.Write("proj/blocked", "not a directory");
  for (const char* bin : {"proj/missing", "proj/blocked"}) {
    gen.SetCurrentPathBin(dir.WindowsPath(bin));
    gen.WriteINI();
  }
  EXPECT_EQ(env.Prompts(), std::vector<std::string>(2, LoadResString(185) + "  "));
  for (const MessageBoxRecord& box : env.dialogs.MessageBoxes()) {
    EXPECT_EQ(box.title, text::kTitle);
    EXPECT_EQ(box.style, mb::kExclamation);
  }
  EXPECT_FALSE(dir.Exists("proj/missing"));
}

class IsCommandUniqueTest : public RegistrationTest {};

// A ProgID is taken when it is registered, with or without a class id.
TEST_F(IsCommandUniqueTest, OnlyAnUnregisteredProgIDIsUnique) {
  for (const auto& [project, expected] :
       {std::pair{"ZoomCmd", true}, {"InprocCmd", false}, {"NoClsid", false}}) {
    SCOPED_TRACE(project);
    gen.SetProjectName(project);
    bool unique = !expected;
    gen.IsCommandUnique(unique);
    EXPECT_EQ(unique, expected);
  }
  EXPECT_EQ(env.registry.OpenHandleCount(), 0u);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

}  // namespace
}  // namespace verbsmith

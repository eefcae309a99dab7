#include <gtest/gtest.h>

#include <memory>
#include <string>
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

TEST_F(WriteIniTest, AModelessCommandIsNotModal) {
  gen.SetCommandIsModeless(true);
  gen.WriteINI();
  EXPECT_EQ(env.profiles.GetString("CmdSvr", "IsModal", "?", dir.WindowsPath("proj/bin/CmdSvr.ini"), 255),
            "0");
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

TEST_F(WriteIniTest, AFailedWriteIsReportedOnce) {
  gen.SetCurrentPathBin(dir.WindowsPath("proj/missing"));
  gen.WriteINI();

  EXPECT_EQ(env.Prompts(), std::vector<std::string>{LoadResString(185) + "  "});
  EXPECT_EQ(env.dialogs.MessageBoxes().at(0).title, text::kTitle);
  EXPECT_EQ(env.dialogs.MessageBoxes().at(0).style, mb::kExclamation);
  EXPECT_FALSE(dir.Exists("proj/missing"));
}

TEST_F(WriteIniTest, AFileInPlaceOfTheBinDirectoryIsReported) {
  dir.Write("proj/blocked", "not a directory");
  gen.SetCurrentPathBin(dir.WindowsPath("proj/blocked"));
  gen.WriteINI();
  EXPECT_EQ(env.Prompts(), std::vector<std::string>{LoadResString(185) + "  "});
}

class IsCommandUniqueTest : public RegistrationTest {};

TEST_F(IsCommandUniqueTest, AnUnregisteredProgIDIsUnique) {
  bool unique = false;
  gen.IsCommandUnique(unique);
  EXPECT_TRUE(unique);
}

TEST_F(IsCommandUniqueTest, ARegisteredProgIDIsNotUnique) {
  gen.SetProjectName("InprocCmd");
  bool unique = true;
  gen.IsCommandUnique(unique);
  EXPECT_FALSE(unique);
  EXPECT_EQ(env.registry.OpenHandleCount(), 0u);
}

TEST_F(IsCommandUniqueTest, AProgIDWithoutClassIdIsRegisteredAllTheSame) {
  gen.SetProjectName("NoClsid");
  bool unique = true;
  gen.IsCommandUnique(unique);
  EXPECT_FALSE(unique);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

}  // namespace
}  // namespace verbsmith

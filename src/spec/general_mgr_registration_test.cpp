#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "spec/general_mgr_class.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

class NoCommandSets : public CommandSetFactory {
 public:
  std::unique_ptr<CommandSet> Create() override { throw VbError(429, "Test", "No command set here"); }
};

// The ports and the managers the registration operations reach.
class RegistrationTest : public ::testing::Test {
 protected:
  RegistrationTest() : registry({test::SourceTreePath("tests/fixtures/registration/commands.reg").string()}) {
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

  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const auto& box : dialogs.MessageBoxes()) prompts.push_back(box.prompt);
    return prompts;
  }

  test::TempDir dir;
  PosixFileSystem files;
  PosixRegistry registry;
  IniProfileFiles profiles{files};
  IniSettings settings{files, dir.WindowsPath("settings.ini")};
  PosixProcesses processes;
  StringTranscript transcript;
  ScriptedDialogs dialogs{transcript};
  FixedScreen screen;
  NoCommandSets commandSets;
  ErrObject err;
  Host host{files, registry, profiles, settings, processes, dialogs, screen, commandSets, err, "", ""};

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

  EXPECT_TRUE(Prompts().empty());
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
  EXPECT_EQ(profiles.GetString("CmdSvr", "IsModal", "?", dir.WindowsPath("proj/bin/CmdSvr.ini"), 255), "0");
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
  EXPECT_EQ(profiles.GetString("Other", "Key", "", dir.WindowsPath("proj/bin/CmdSvr.ini"), 255), "Value");
}

TEST_F(WriteIniTest, AFailedWriteIsReportedOnce) {
  gen.SetCurrentPathBin(dir.WindowsPath("proj/missing"));
  gen.WriteINI();

  EXPECT_EQ(Prompts(), std::vector<std::string>{LoadResString(185) + "  "});
  EXPECT_EQ(dialogs.MessageBoxes().at(0).title, text::kTitle);
  EXPECT_EQ(dialogs.MessageBoxes().at(0).style, mb::kExclamation);
  EXPECT_FALSE(dir.Exists("proj/missing"));
}

TEST_F(WriteIniTest, AFileInPlaceOfTheBinDirectoryIsReported) {
  dir.Write("proj/blocked", "not a directory");
  gen.SetCurrentPathBin(dir.WindowsPath("proj/blocked"));
  gen.WriteINI();
  EXPECT_EQ(Prompts(), std::vector<std::string>{LoadResString(185) + "  "});
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
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(IsCommandUniqueTest, AProgIDWithoutClassIdIsRegisteredAllTheSame) {
  gen.SetProjectName("NoClsid");
  bool unique = true;
  gen.IsCommandUnique(unique);
  EXPECT_FALSE(unique);
  EXPECT_TRUE(dialogs.MessageBoxes().empty());
}

}  // namespace
}  // namespace verbsmith

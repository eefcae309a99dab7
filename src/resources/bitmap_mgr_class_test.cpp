#include "resources/bitmap_mgr_class.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/line_buffer.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "support/bmp_writer.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/res_reader.h"
#include "support/stub_general_mgr.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;
using test::FakeConnection;
using test::FakeIde;
using test::StubGeneralMgr;
using test::TempDir;

constexpr int32_t kNoCompiler = static_cast<int32_t>(0x800457E4u);
constexpr int32_t kCompilerFailed = static_cast<int32_t>(0x800457E5u);

class NoCommandSets : public CommandSetFactory {
 public:
  std::unique_ptr<CommandSet> Create() override { throw VbError(429, "Test", "No command set here"); }
};

// Real processes, with the environment the test chooses and a compiler that
// can be made to overrun its time.
class TestProcesses : public Processes {
 public:
  std::optional<std::string> GetEnv(const std::string& name) override {
    auto it = env.find(name);
    return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  ProcessId Start(const std::vector<std::string>& argv, bool hidden) override {
    started.push_back(argv);
    return real.Start(argv, hidden);
  }
  std::optional<int> Wait(ProcessId process, std::chrono::milliseconds limit) override {
    if (overrun) {
      overrun = false;
      return std::nullopt;
    }
    return real.Wait(process, limit);
  }
  void Kill(ProcessId process) override {
    ++kills;
    real.Kill(process);
  }
  void Sleep(std::chrono::milliseconds duration) override { real.Sleep(duration); }

  PosixProcesses real;
  std::map<std::string, std::string> env;
  std::vector<std::vector<std::string>> started;
  bool overrun = false;
  int kills = 0;
};

std::optional<std::string> HostCompiler() {
  for (const char* candidate : {"/usr/bin/llvm-rc", "/usr/local/bin/llvm-rc"}) {
    if (fs::exists(candidate)) return std::string(candidate);
  }
  return std::nullopt;
}

std::string CombinedFailureMessage() {
  std::string nl(text::kNL);
  return std::string(text::kCannotCompileBitmaps) + nl + nl + std::string(text::kNoResourceCompilerHint) +
         nl + nl + std::string(text::kCopyVbToolsHint) + "  ";
}

class BitMapMgrClassTest : public ::testing::Test {
 protected:
  BitMapMgrClassTest() {
    dir.MakeDir("proj/src");
    dir.MakeDir("vb");
    dir.MakeDir("temp");
    dir.MakeDir("emptybin");
    genMgr.SetProjectName("MyCmd");
    genMgr.SetCurrentPathSrc(Dir("proj/src"));
    ide.SetFullName(dir.WindowsPath("vb/VB6.EXE"));
    processes.env["TEMP"] = Dir("temp");
    processes.env["PATH"] = dir.HostPath("emptybin").string();
    if (auto compiler = HostCompiler()) processes.env["VERBSMITH_RC"] = *compiler;
    connection.genMgr = &genMgr;
    connection.classMgr = &classMgr;
    connection.vbInst = &ide;
    lines.Assign({"Type=OleDll", "Class=CmdSvr; CmdSvr.cls", "Name=\"MyCmd\""});
  }

  // A directory inside the test's own, in the form the product keeps.
  std::string Dir(const std::string& relative) const { return dir.WindowsPath(relative) + "\\"; }

  // Chooses one bitmap: a file of the right size written at relativeDir.
  void Choose(const std::string& code, const std::string& relativeDir, const std::string& file) {
    const bool large = code[0] == 'L';
    const bool mono = code[1] == 'M';
    dir.Write(relativeDir + "/" + file, test::MakeBmp(large ? 24 : 16, large ? 23 : 15, mono));
    std::string location = Dir(relativeDir);
    if (code == "LC") mgr.SetLCBitmapLocation(location), mgr.SetLCBMPFilename(file);
    if (code == "LM") mgr.SetLMBitmapLocation(location), mgr.SetLMBMPFilename(file);
    if (code == "SC") mgr.SetSCBitmapLocation(location), mgr.SetSCBMPFilename(file);
    if (code == "SM") mgr.SetSMBitmapLocation(location), mgr.SetSMBMPFilename(file);
  }

  void ChooseAllFour(const std::string& relativeDir = "bitmaps") {
    Choose("LC", relativeDir, "big.bmp");
    Choose("LM", relativeDir, "bigmono.bmp");
    Choose("SC", relativeDir, "small.bmp");
    Choose("SM", relativeDir, "smallmono.bmp");
  }

  void Finish() {
    mgr.InitializeObjects(&connection);
    mgr.SetResourceType(1);
    mgr.SetRCFilename("CmdSvr.rc");
    mgr.SetResFilename("CmdSvr.res");
    mgr.WriteResourceToProject();
  }

  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const auto& box : dialogs.MessageBoxes()) prompts.push_back(box.prompt);
    return prompts;
  }

  std::string ResLine() const { return "ResFile32=" + Dir("proj/src") + "CmdSvr.res"; }

  TempDir dir;
  PosixFileSystem files;
  PosixRegistry registry;
  IniProfileFiles profiles{files};
  IniSettings settings{files, dir.WindowsPath("settings.ini")};
  TestProcesses processes;
  StringTranscript transcript;
  ScriptedDialogs dialogs{transcript};
  FixedScreen screen;
  NoCommandSets commandSets;
  ErrObject err;
  Host host{files, registry, profiles, settings, processes, dialogs, screen, commandSets, err, "", ""};

  StubGeneralMgr genMgr;
  test::FakeClassMgr classMgr;
  FakeIde ide;
  FakeConnection connection;
  LineBuffer lines;
  BitMapMgrClass mgr{host, lines};
};

TEST_F(BitMapMgrClassTest, CompilesFourBitmapsIntoTheProjectResource) {
  if (!HostCompiler()) GTEST_SKIP() << "no llvm-rc on this machine";
  ChooseAllFour();
  Finish();

  EXPECT_TRUE(Prompts().empty()) << ::testing::PrintToString(Prompts());
  const std::vector<test::ResEntry> entries = test::ReadResFile(dir.Read("proj/src/CmdSvr.res"));
  ASSERT_EQ(entries.size(), 4u);
  const std::vector<std::pair<std::string, size_t>> expected = {
      {"MYCMD.CMDSVR.LC", test::BmpResourceSize(24, 23, false)},
      {"MYCMD.CMDSVR.LM", test::BmpResourceSize(24, 23, true)},
      {"MYCMD.CMDSVR.SC", test::BmpResourceSize(16, 15, false)},
      {"MYCMD.CMDSVR.SM", test::BmpResourceSize(16, 15, true)},
  };
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].typeId, test::kResourceTypeBitmap);
    EXPECT_EQ(entries[i].name, expected[i].first);
    EXPECT_EQ(entries[i].data.size(), expected[i].second) << expected[i].first;
  }
}

TEST_F(BitMapMgrClassTest, PutsTheResourceLineFirstInAProjectWithoutOne) {
  if (!HostCompiler()) GTEST_SKIP() << "no llvm-rc on this machine";
  ChooseAllFour();
  Finish();

  ASSERT_GE(lines.LineCount(), 4u);
  EXPECT_EQ(lines[0], ResLine());
  EXPECT_EQ(lines[1], "Type=OleDll");
}

TEST_F(BitMapMgrClassTest, LeavesNoTemporaryScriptBehind) {
  if (!HostCompiler()) GTEST_SKIP() << "no llvm-rc on this machine";
  ChooseAllFour();
  Finish();

  EXPECT_TRUE(fs::is_empty(dir.HostPath("temp")));
  std::vector<std::string> sources;
  for (const auto& entry : fs::directory_iterator(dir.HostPath("proj/src"))) {
    sources.push_back(entry.path().filename().string());
  }
  std::sort(sources.begin(), sources.end());
  EXPECT_EQ(sources, (std::vector<std::string>{"CmdSvr.rc", "CmdSvr.res"}));
}

TEST_F(BitMapMgrClassTest, WritesTheKeptScriptLineForLine) {
  Choose("LC", "bitmaps", "big.bmp");
  Choose("SM", "bitmaps", "smallmono.bmp");
  Finish();

  const std::string bitmaps = Dir("bitmaps");
  EXPECT_EQ(dir.Read("proj/src/CmdSvr.rc"),
            "//\r\n"
            "// Resource definition file for default Command toolbar bitmap.\r\n"
            "//\r\n"
            "//////////////////////////////////////////////////////////////////////////////\r\n"
            "//\r\n"
            "// Bitmap\r\n"
            "//\r\n"
            "MyCmd.CmdSvr.LC BITMAP DISCARDABLE   " +
                bitmaps + "big.bmp\r\n" + "MyCmd.CmdSvr.SM BITMAP DISCARDABLE   " + bitmaps +
                "smallmono.bmp\r\n");
}

TEST_F(BitMapMgrClassTest, QuotesABitmapPathWithBlanksAndStillCompiles) {
  if (!HostCompiler()) GTEST_SKIP() << "no llvm-rc on this machine";
  ChooseAllFour("my bitmaps");
  Finish();

  const std::string script = dir.Read("proj/src/CmdSvr.rc");
  EXPECT_NE(script.find("MyCmd.CmdSvr.SC BITMAP DISCARDABLE   \"" + Dir("my bitmaps") + "small.bmp\"\r\n"),
            std::string::npos)
      << script;
  EXPECT_TRUE(Prompts().empty()) << ::testing::PrintToString(Prompts());
  EXPECT_EQ(test::ReadResFile(dir.Read("proj/src/CmdSvr.res")).size(), 4u);
}

TEST_F(BitMapMgrClassTest, WithoutAnyCompilerShowsTheCombinedMessageAndStillSetsTheLine) {
  processes.env.erase("VERBSMITH_RC");
  ChooseAllFour();
  Finish();

  EXPECT_EQ(Prompts(), std::vector<std::string>{CombinedFailureMessage()});
  EXPECT_EQ(dialogs.MessageBoxes().at(0).style, mb::kExclamation);
  EXPECT_EQ(dialogs.MessageBoxes().at(0).title, text::kTitle);
  EXPECT_EQ(err.Number(), kNoCompiler);
  EXPECT_EQ(err.Source(), text::kBitmapMgrSource);
  EXPECT_EQ(lines[0], ResLine());
  EXPECT_TRUE(processes.started.empty());
  EXPECT_TRUE(mgr.CompilerPath().empty());
}

TEST_F(BitMapMgrClassTest, ACompilerThatFailsLeavesNoPartialResource) {
  dir.Write("bin/failing-rc", "#!/bin/sh\nprintf partial > \"$2\"\nexit 1\n");
  fs::permissions(dir.HostPath("bin/failing-rc"), fs::perms::owner_all);
  processes.env["VERBSMITH_RC"] = dir.HostPath("bin/failing-rc").string();
  ChooseAllFour();
  Finish();

  EXPECT_EQ(Prompts(), std::vector<std::string>{CombinedFailureMessage()});
  EXPECT_EQ(err.Number(), kCompilerFailed);
  EXPECT_EQ(err.Description(), text::kErrorFromResourceCompiler);
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
  EXPECT_EQ(lines[0], ResLine());
}

TEST_F(BitMapMgrClassTest, ACompilerThatSucceedsWithoutOutputHasFailed) {
  dir.Write("bin/silent-rc", "#!/bin/sh\nexit 0\n");
  fs::permissions(dir.HostPath("bin/silent-rc"), fs::perms::owner_all);
  processes.env["VERBSMITH_RC"] = dir.HostPath("bin/silent-rc").string();
  dir.Write("proj/src/CmdSvr.res", "stale resource of an earlier run");
  ChooseAllFour();
  Finish();

  EXPECT_EQ(Prompts(), std::vector<std::string>{CombinedFailureMessage()});
  EXPECT_EQ(err.Number(), kCompilerFailed);
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
}

TEST_F(BitMapMgrClassTest, AMissingBitmapIsAnErrorFromTheCompiler) {
  if (!HostCompiler()) GTEST_SKIP() << "no llvm-rc on this machine";
  ChooseAllFour();
  fs::remove(dir.HostPath("bitmaps/bigmono.bmp"));
  Finish();

  EXPECT_EQ(Prompts(), std::vector<std::string>{CombinedFailureMessage()});
  EXPECT_EQ(err.Number(), kCompilerFailed);
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
}

TEST_F(BitMapMgrClassTest, ACompilerThatOverrunsItsTimeIsEndedAndReported) {
  dir.Write("bin/slow-rc", "#!/bin/sh\nexec sleep 30\n");
  fs::permissions(dir.HostPath("bin/slow-rc"), fs::perms::owner_all);
  processes.env["VERBSMITH_RC"] = dir.HostPath("bin/slow-rc").string();
  processes.overrun = true;
  ChooseAllFour();
  Finish();

  EXPECT_EQ(processes.kills, 1);
  EXPECT_EQ(Prompts(), std::vector<std::string>{CombinedFailureMessage()});
  EXPECT_EQ(err.Number(), kCompilerFailed);
}

TEST_F(BitMapMgrClassTest, ACompilerThatCannotStartIsReportedBeforeTheCombinedMessage) {
  processes.env["VERBSMITH_RC"] = dir.HostPath("bin/no-such-rc").string();
  ChooseAllFour();
  Finish();

  EXPECT_EQ(Prompts(), (std::vector<std::string>{std::string(text::kErrorInvokingResourceCompiler) + "  ",
                                                 CombinedFailureMessage()}));
  EXPECT_EQ(lines[0], ResLine());
}

TEST_F(BitMapMgrClassTest, CompilesWithAWindresStyleCompiler) {
  const fs::path windres = "/usr/bin/llvm-windres-14";
  if (!fs::exists(windres)) GTEST_SKIP() << "no windres-style compiler on this machine";
  processes.env["VERBSMITH_RC"] = windres.string();
  ChooseAllFour();
  Finish();

  EXPECT_TRUE(Prompts().empty()) << ::testing::PrintToString(Prompts());
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0].at(1), "-J");
  EXPECT_EQ(test::ReadResFile(dir.Read("proj/src/CmdSvr.res")).size(), 4u);
}

TEST_F(BitMapMgrClassTest, FindsACompilerOnThePath) {
  processes.env.erase("VERBSMITH_RC");
  dir.Write("tools/llvm-rc-9", "");
  dir.Write("tools/llvm-rc-15", "");
  dir.Write("tools/windres", "");
  processes.env["PATH"] =
      "relative/bin:" + dir.HostPath("emptybin").string() + ":" + dir.HostPath("tools").string();
  mgr.InitializeObjects(&connection);

  EXPECT_EQ(mgr.CompilerPath(), dir.HostPath("tools/llvm-rc-15").string());
  EXPECT_TRUE(Prompts().empty());
}

class ResourceRemovalTest : public BitMapMgrClassTest {
 protected:
  void FinishWithoutBitmaps() {
    mgr.InitializeObjects(&connection);
    mgr.SetResourceType(0);
    mgr.WriteResourceToProject();
  }
};

TEST_F(ResourceRemovalTest, RemovesTheLineAndBothFiles) {
  lines.Assign({"Type=OleDll", "ResFile32=" + Dir("proj/src") + "CmdSvr.res", "Name=\"MyCmd\""});
  dir.Write("proj/src/CmdSvr.res", "old");
  dir.Write("proj/src/CmdSvr.rc", "old");
  FinishWithoutBitmaps();

  EXPECT_EQ(lines[1], "");
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.rc"));
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(ResourceRemovalTest, AMissingResourceLeavesTheScript) {
  dir.Write("proj/src/CmdSvr.rc", "old");
  FinishWithoutBitmaps();

  EXPECT_TRUE(dir.Exists("proj/src/CmdSvr.rc"));
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(ResourceRemovalTest, WithNothingToRemoveShowsNothingAndAddsNoLine) {
  FinishWithoutBitmaps();

  EXPECT_TRUE(Prompts().empty());
  EXPECT_EQ(lines.Text().find("ResFile32="), std::string::npos);
}

TEST_F(ResourceRemovalTest, TreatsAnyOtherTypeLikeNone) {
  dir.Write("proj/src/CmdSvr.res", "old");
  mgr.InitializeObjects(&connection);
  mgr.SetResourceType(7);
  mgr.WriteResourceToProject();

  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
  EXPECT_TRUE(processes.started.empty());
}

class BitmapMgrInitializeTest : public BitMapMgrClassTest {};

TEST_F(BitmapMgrInitializeTest, WithoutAConnectionRecords22506) {
  mgr.InitializeObjects(nullptr);
  EXPECT_EQ(err.Number(), 22506);
  EXPECT_EQ(err.Source(), text::kBitmapMgrSource);
  EXPECT_EQ(err.Description(), LoadResString(6));
}

TEST_F(BitmapMgrInitializeTest, WithoutAGeneralManagerRecords22507AndTakesNothingElse) {
  connection.genMgr = nullptr;
  mgr.InitializeObjects(&connection);
  EXPECT_EQ(err.Number(), 22507);
  EXPECT_EQ(err.Source(), text::kBitmapMgrSource);
  EXPECT_EQ(mgr.VBInst(), nullptr);
}

TEST_F(BitmapMgrInitializeTest, WithoutAClassManagerRecords22508) {
  connection.classMgr = nullptr;
  mgr.InitializeObjects(&connection);
  EXPECT_EQ(err.Number(), 22508);
  EXPECT_EQ(err.Description(), LoadResString(1));
  EXPECT_EQ(mgr.VBInst(), nullptr);
}

TEST_F(BitmapMgrInitializeTest, WithoutTheEnvironmentRecords22512AsTheGeneralManager) {
  connection.vbInst = nullptr;
  mgr.InitializeObjects(&connection);
  EXPECT_EQ(err.Number(), 22512);
  EXPECT_EQ(err.Source(), text::kGeneralMgrSource);
  EXPECT_EQ(err.Description(), LoadResString(156));
  EXPECT_TRUE(mgr.CompilerPath().empty());
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(BitmapMgrInitializeTest, WithEverythingCachesTheCompiler) {
  processes.env["VERBSMITH_RC"] = "/opt/rc/bin/llvm-rc";
  mgr.InitializeObjects(&connection);
  EXPECT_EQ(err.Number(), 0);
  EXPECT_EQ(mgr.VBInst(), &ide);
  EXPECT_EQ(mgr.CompilerPath(), "/opt/rc/bin/llvm-rc");
}

}  // namespace
}  // namespace verbsmith

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
#include "platform/posix/posix_processes.h"
#include "support/bmp_writer.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/fake_processes.h"
#include "support/file_host.h"
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

std::string CompilerFailedMessage() {
  std::string nl(text::kNL);
  return std::string(text::kCannotCompileBitmaps) + nl + nl + std::string(text::kErrorFromResourceCompiler) +
         "  ";
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

  std::string ResLine() const { return "ResFile32=" + Dir("proj/src") + "CmdSvr.res"; }

  TempDir dir;
  PosixProcesses realProcesses;
  test::FakeProcesses processes{&realProcesses};
  test::FileHost env;
  Host host = env.With(processes);

  StubGeneralMgr genMgr;
  test::FakeClassMgr classMgr;
  FakeIde ide;
  FakeConnection connection;
  LineBuffer lines;
  BitMapMgrClass mgr{host, lines};
};

struct FailingCompiler {
  const char* name;
  const char* script;  // null: the host's real compiler, given a missing bitmap
  bool overrun;
};

class FailingCompilerTest : public BitMapMgrClassTest,
                            public ::testing::WithParamInterface<FailingCompiler> {};

// Whatever way the compiler fails, the user is told that it failed, no
// resource is left (neither partial nor stale) and the project names none.
TEST_P(FailingCompilerTest, IsReportedAndLeavesNoResource) {
  if (GetParam().script != nullptr) {
    dir.Write("bin/rc", GetParam().script);
    fs::permissions(dir.HostPath("bin/rc"), fs::perms::owner_all);
    processes.env["VERBSMITH_RC"] = dir.HostPath("bin/rc").string();
  } else if (!HostCompiler()) {
    GTEST_SKIP() << "no llvm-rc on this machine";
  }
  processes.overrun = GetParam().overrun;
  dir.Write("proj/src/CmdSvr.res", "stale resource of an earlier run");
  ChooseAllFour();
  if (GetParam().script == nullptr) fs::remove(dir.HostPath("bitmaps/bigmono.bmp"));
  Finish();

  EXPECT_EQ(env.Prompts(), std::vector<std::string>{CompilerFailedMessage()});
  EXPECT_EQ(env.err.Number(), kCompilerFailed);
  EXPECT_EQ(env.err.Description(), text::kErrorFromResourceCompiler);
  EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
  EXPECT_EQ(lines.Text().find("ResFile32="), std::string::npos);
  EXPECT_EQ(processes.kills, GetParam().overrun ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Compilers, FailingCompilerTest,
    ::testing::Values(FailingCompiler{"ExitsWithAnError", "#!/bin/sh\nprintf partial > \"$2\"\nexit 1\n",
                                      false},
                      FailingCompiler{"SucceedsWithoutOutput", "#!/bin/sh\nexit 0\n", false},
                      FailingCompiler{"OverrunsItsTime", "#!/bin/sh\nexec sleep 30\n", true},
                      FailingCompiler{"MissesABitmap", nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitMapMgrClassTest, ACompilerThatCannotStartIsReportedBeforeTheCombinedMessage) {
  processes.env["VERBSMITH_RC"] = dir.HostPath("bin/no-such-rc").string();
  ChooseAllFour();
  Finish();

  EXPECT_EQ(env.Prompts(), (std::vector<std::string>{std::string(text::kErrorInvokingResourceCompiler) + "  ",
                                                     CombinedFailureMessage()}));
  EXPECT_EQ(lines.Text().find("ResFile32="), std::string::npos);
}

TEST_F(BitMapMgrClassTest, AnyTypeButBitmapsRemovesTheLineAndBothFiles) {
  for (int type : {0, 7}) {
    SCOPED_TRACE(type);
    lines.Assign({"Type=OleDll", "ResFile32=" + Dir("proj/src") + "CmdSvr.res", "Name=\"MyCmd\""});
    dir.Write("proj/src/CmdSvr.res", "old");
    dir.Write("proj/src/CmdSvr.rc", "old");
    mgr.InitializeObjects(&connection);
    mgr.SetResourceType(type);
    mgr.WriteResourceToProject();

    EXPECT_EQ(lines[1], "");
    EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.res"));
    EXPECT_FALSE(dir.Exists("proj/src/CmdSvr.rc"));
  }
  EXPECT_TRUE(processes.started.empty());
  EXPECT_TRUE(env.Prompts().empty());
}

TEST_F(BitMapMgrClassTest, RemovingAMissingResourceLeavesTheScriptAndAddsNoLine) {
  dir.Write("proj/src/CmdSvr.rc", "old");
  mgr.InitializeObjects(&connection);
  mgr.SetResourceType(0);
  mgr.WriteResourceToProject();

  EXPECT_TRUE(dir.Exists("proj/src/CmdSvr.rc"));
  EXPECT_TRUE(env.Prompts().empty());
  EXPECT_EQ(lines.Text().find("ResFile32="), std::string::npos);
}

// Each missing member records its own error and leaves the environment (and
// so the compiler) untaken; nothing is shown.
TEST_F(BitMapMgrClassTest, RecordsTheFirstMissingMemberAndCachesTheCompilerWithAll) {
  struct Case {
    const char* missing;
    void (*remove)(FakeConnection&);  // null: no connection at all
    int32_t number;
    std::string_view source;
    int description;
  };
  const Case cases[] = {
      {"connection", nullptr, 22506, text::kBitmapMgrSource, 6},
      {"general manager", [](FakeConnection& c) { c.genMgr = nullptr; }, 22507, text::kBitmapMgrSource, 0},
      {"class manager", [](FakeConnection& c) { c.classMgr = nullptr; }, 22508, text::kBitmapMgrSource, 1},
      // The environment is reported as the general manager's.
      {"environment", [](FakeConnection& c) { c.vbInst = nullptr; }, 22512, text::kGeneralMgrSource, 156},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.missing);
    FakeConnection partial = connection;
    if (c.remove != nullptr) c.remove(partial);
    env.err.Clear();
    mgr.InitializeObjects(c.remove != nullptr ? &partial : nullptr);
    EXPECT_EQ(env.err.Number(), c.number);
    EXPECT_EQ(env.err.Source(), c.source);
    if (c.description != 0) {
      EXPECT_EQ(env.err.Description(), LoadResString(c.description));
    }
    EXPECT_EQ(mgr.VBInst(), nullptr);
    EXPECT_TRUE(mgr.CompilerPath().empty());
  }
  EXPECT_TRUE(env.Prompts().empty());

  processes.env["VERBSMITH_RC"] = "/opt/rc/bin/llvm-rc";
  env.err.Clear();
  mgr.InitializeObjects(&connection);
  EXPECT_EQ(env.err.Number(), 0);
  EXPECT_EQ(mgr.VBInst(), &ide);
  EXPECT_EQ(mgr.CompilerPath(), "/opt/rc/bin/llvm-rc");
}

}  // namespace
}  // namespace verbsmith

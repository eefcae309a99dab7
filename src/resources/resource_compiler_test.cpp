#include "resources/resource_compiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "support/file_host.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;

class EnvOnly : public Processes {
 public:
  std::optional<std::string> GetEnv(const std::string& name) override {
    auto it = env.find(name);
    return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  ProcessId Start(const std::vector<std::string>&, bool) override { throw VbError::Standard(53); }
  std::optional<int> Wait(ProcessId, std::chrono::milliseconds) override { return std::nullopt; }
  void Kill(ProcessId) override {}
  void Sleep(std::chrono::milliseconds) override {}

  std::map<std::string, std::string> env;
};

class ResourceCompilerTest : public ::testing::Test {
 protected:
  ResourceCompilerTest() {
    dir.MakeDir("vb/Wizards");
    dir.MakeDir("winebin");
    processes.env["PATH"] = dir.HostPath("winebin").string();
  }

  // A directory inside the test's own, in the form the product keeps.
  std::string Dir(const std::string& relative) const { return dir.WindowsPath(relative) + "\\"; }

  test::TempDir dir;
  EnvOnly processes;
  test::FileHost env;
  Host host = env.With(processes);
};

TEST_F(ResourceCompilerTest, TakesTheEnvironmentsCompilerWhenWineCanRunIt) {
  dir.Write("vb/Wizards/RC.EXE", "MZ");
  dir.Write("winebin/wine", "");
  std::optional<ResourceCompiler> found = FindEnvironmentCompiler(host, Dir("vb"));

  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kEnvironmentRc);
  EXPECT_EQ(found->program, Dir("vb") + "Wizards\\rc.exe");
  EXPECT_EQ(found->runner, dir.HostPath("winebin/wine").string());
  EXPECT_FALSE(found->NeedsHostScript());
  EXPECT_EQ(CompilerCommandLine(*found, "C:\\p\\src\\Cmd.rc", "C:\\p\\src\\Cmd.res"),
            (std::vector<std::string>{found->runner, found->program, "/r", "C:\\p\\src\\Cmd.rc"}));
}

TEST_F(ResourceCompilerTest, PassesOverTheEnvironmentsCompilerWithoutWineOrWithoutOne) {
  dir.Write("winebin/wine", "");
  EXPECT_FALSE(FindEnvironmentCompiler(host, Dir("vb")));
  fs::remove(dir.HostPath("winebin/wine"));
  dir.Write("vb/Wizards/rc.exe", "MZ");
  EXPECT_FALSE(FindEnvironmentCompiler(host, Dir("vb")));
}

TEST_F(ResourceCompilerTest, PrefersTheConfiguredCompiler) {
  dir.Write("winebin/llvm-rc", "");
  processes.env["VERBSMITH_RC"] = "/opt/mingw/bin/x86_64-w64-mingw32-windres";
  std::optional<ResourceCompiler> found = FindHostCompiler(host);

  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kWindres);
  EXPECT_EQ(CompilerCommandLine(*found, "/t/in.rc", "/t/out.res"),
            (std::vector<std::string>{found->program, "-J", "rc", "-O", "res", "-i", "/t/in.rc", "-o",
                                      "/t/out.res"}));
}

TEST_F(ResourceCompilerTest, PrefersPlainLlvmRcToVersionedOnes) {
  dir.Write("winebin/llvm-rc-17", "");
  dir.Write("winebin/llvm-rc", "");
  std::optional<ResourceCompiler> found = FindHostCompiler(host);

  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, dir.HostPath("winebin/llvm-rc").string());
  EXPECT_EQ(CompilerCommandLine(*found, "/t/in.rc", "/t/out.res"),
            (std::vector<std::string>{found->program, "/FO", "/t/out.res", "/t/in.rc"}));
}

TEST_F(ResourceCompilerTest, FallsBackToWindres) {
  dir.Write("winebin/x86_64-w64-mingw32-windres", "");
  std::optional<ResourceCompiler> found = FindHostCompiler(host);

  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kWindres);
}

TEST_F(ResourceCompilerTest, IgnoresDirectoriesAndNearMissesAndAMissingPath) {
  dir.MakeDir("winebin/llvm-rc");
  dir.Write("winebin/llvm-rc-x", "");
  dir.Write("winebin/LLVM-RC", "");
  EXPECT_FALSE(FindHostCompiler(host));
  dir.Write("winebin/llvm-rc-17", "");
  processes.env.erase("PATH");
  EXPECT_FALSE(FindHostCompiler(host));
}

}  // namespace
}  // namespace verbsmith

#include "resources/resource_compiler.h"

#include <gtest/gtest.h>

#include <string>

#include "support/file_host.h"

namespace verbsmith {
namespace {

class ResourceCompilerTest : public ::testing::Test {
 protected:
  ResourceCompilerTest() {
    dir.MakeDir("vb/Wizards");
    env.processes.startable = false;
  }

  // The host path of an entry of the test's directory, which is Z:\t.
  static std::string HostPath(const std::string& relative) { return "/t/" + relative; }

  // The programs PATH leads to, in its order.
  void OnPath(std::initializer_list<std::string> names) {
    processes.programs.clear();
    for (const std::string& name : names) processes.programs.push_back(HostPath("winebin/" + name));
  }

  // A directory inside the test's own, in the form the product keeps.
  std::string Dir(const std::string& relative) const { return dir.WindowsPath(relative) + "\\"; }

  test::MemoryHost env;
  test::MemoryDir dir{env.files, "Z:\\t"};
  test::FakeProcesses& processes = env.processes;
  Host& host = env.host;
};

TEST_F(ResourceCompilerTest, TakesTheEnvironmentsCompilerWhenWineCanRunIt) {
  dir.Write("vb/Wizards/RC.EXE", "MZ");
  OnPath({"wine"});
  std::optional<ResourceCompiler> found = FindEnvironmentCompiler(host, Dir("vb"));

  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kEnvironmentRc);
  EXPECT_EQ(found->program, Dir("vb") + "Wizards\\rc.exe");
  EXPECT_EQ(found->runner, HostPath("winebin/wine"));
  EXPECT_FALSE(found->NeedsHostScript());
  EXPECT_EQ(CompilerCommandLine(*found, "C:\\p\\src\\Cmd.rc", "C:\\p\\src\\Cmd.res"),
            (std::vector<std::string>{found->runner, found->program, "/r", "/fo", "C:\\p\\src\\Cmd.res",
                                      "C:\\p\\src\\Cmd.rc"}));
}

TEST_F(ResourceCompilerTest, PassesOverTheEnvironmentsCompilerWithoutWineOrWithoutOne) {
  OnPath({"wine"});
  EXPECT_FALSE(FindEnvironmentCompiler(host, Dir("vb")));
  OnPath({});
  dir.Write("vb/Wizards/rc.exe", "MZ");
  EXPECT_FALSE(FindEnvironmentCompiler(host, Dir("vb")));
}

TEST_F(ResourceCompilerTest, RunsTheEnvironmentsCompilerAsItIsWhereWindowsProgramsRun) {
  dir.Write("vb/Wizards/rc.exe", "MZ");
  processes.windowsPrograms = true;
  std::optional<ResourceCompiler> found = FindEnvironmentCompiler(host, Dir("vb"));

  ASSERT_TRUE(found);
  EXPECT_EQ(CompilerCommandLine(*found, "C:\\p\\Cmd.rc", "C:\\p\\Cmd.res"),
            (std::vector<std::string>{Dir("vb") + "Wizards\\rc.exe", "/r", "/fo", "C:\\p\\Cmd.res",
                                      "C:\\p\\Cmd.rc"}));
}

TEST_F(ResourceCompilerTest, PrefersTheConfiguredCompiler) {
  OnPath({"llvm-rc"});
  processes.env["VERBSMITH_RC"] = "/opt/mingw/bin/x86_64-w64-mingw32-windres";
  std::optional<ResourceCompiler> found = FindHostCompiler(host);

  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kWindres);
  EXPECT_EQ(CompilerCommandLine(*found, "/t/in.rc", "/t/out.res"),
            (std::vector<std::string>{found->program, "-J", "rc", "-O", "res", "-i", "/t/in.rc", "-o",
                                      "/t/out.res"}));
}

TEST_F(ResourceCompilerTest, PrefersPlainLlvmRcToVersionedOnes) {
  OnPath({"llvm-rc-17", "llvm-rc"});
  std::optional<ResourceCompiler> found = FindHostCompiler(host);

  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, HostPath("winebin/llvm-rc"));
  EXPECT_EQ(CompilerCommandLine(*found, "/check/in.rc", "/check/out.res"),
            (std::vector<std::string>{found->program, "/FO", "/check/out.res", "/no-preprocess", "--",
                                      "/check/in.rc"}));
}

TEST_F(ResourceCompilerTest, PrefersWindresWithCatForItsPreprocessorThenLlvmRcThenWindresAlone) {
  OnPath({"llvm-rc", "windres"});
  std::optional<ResourceCompiler> found = FindHostCompiler(host);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, HostPath("winebin/llvm-rc"));

  OnPath({"llvm-rc", "windres", "cat"});
  found = FindHostCompiler(host);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, HostPath("winebin/windres"));
  EXPECT_EQ(CompilerCommandLine(*found, "/t/in.rc", "/t/out.res"),
            (std::vector<std::string>{found->program, "--preprocessor=cat", "-J", "rc", "-O", "res", "-i",
                                      "/t/in.rc", "-o", "/t/out.res"}));

  OnPath({"windres"});
  found = FindHostCompiler(host);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->dialect, CompilerDialect::kWindres);
  EXPECT_FALSE(found->skipPreprocessor);
  EXPECT_FALSE(found->reason.empty());
}

TEST_F(ResourceCompilerTest, TakesTheNewestVersionedLlvmRcAndNothingElseOfThatName) {
  OnPath({"llvm-rc-x", "llvm-rc-9", "llvm-rc-17", "llvm-rc-", "llvm-rc-14"});
  std::optional<ResourceCompiler> found = FindHostCompiler(host);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, HostPath("winebin/llvm-rc-17"));
  OnPath({"llvm-rc-x"});
  EXPECT_FALSE(FindHostCompiler(host));
}

}  // namespace
}  // namespace verbsmith

// Runs the verbsmith executable the way a user does and checks what
// `verbsmith run` prints and returns.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

struct Outcome {
  int status = -1;
  std::string output;
};

class RunCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("VERBSMITH_EXE");
    if (exe == nullptr) GTEST_SKIP() << "VERBSMITH_EXE is not set";
    exe_ = exe;
    dir_ = std::filesystem::temp_directory_path() /
           ("verbsmith-run-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Runs "verbsmith ARGS" in a private environment; stderr joins stdout.
  Outcome Run(const std::string& args, const std::string& input = "") {
    const std::filesystem::path in = dir_ / "stdin.txt";
    std::ofstream(in) << input;
    const std::string command = "cd '" + dir_.string() + "' && env XDG_DATA_HOME='" + dir_.string() +
                                "/data' XDG_CONFIG_HOME='" + dir_.string() + "/config' WINEPREFIX='" +
                                dir_.string() + "/wine' VERBSMITH_REGISTRY= '" + exe_ + "' " + args + " < '" +
                                in.string() + "' 2>&1";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, n);
    const int raw = ::pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
  }

  void WriteScript(const std::string& name, const std::string& text) { std::ofstream(dir_ / name) << text; }

  std::string exe_;
  std::filesystem::path dir_;
};

// Each run: its arguments, its standard input, the exit status and what the
// output must hold.
TEST_F(RunCommandTest, RunsScriptsFromEverySourceAndReportsMistakes) {
  WriteScript("s.txt", "# help first\r\nkey cmdIntroHelp F1\r\nclick cmdIntroCancel\r\n");
  const struct {
    const char* args;
    const char* input;
    int status;
    std::vector<const char*> shown;
  } cases[] = {
      {"run",
       "",
       0,
       {"form shown frmVerbsmith \"Carthex Verbsmith\"\nframe shown fraIntro\n", "> click cmdIntroCancel\n",
        "form unloaded frmVerbsmith\nend of run\n"}},
      {"run s.txt", "", 0, {"> key cmdIntroHelp F1\n", "end of run\n"}},
      {"run -", "click cmdIntroCancel\n", 0, {"> click cmdIntroCancel\n"}},
      {"run -", "", 0, {"no more actions: closing frmVerbsmith\n"}},
      {"run -", "click cmdNowhere\n", 1, {"action error: line 1: click cmdNowhere", "end of run\n"}},
      {"run nowhere.txt", "", 2, {"cannot read nowhere.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.args) + " < " + c.input);
    const Outcome outcome = Run(c.args, c.input);
    EXPECT_EQ(outcome.status, c.status) << outcome.output;
    for (const char* part : c.shown) EXPECT_THAT(outcome.output, HasSubstr(part));
  }
}

TEST_F(RunCommandTest, AScriptMistakeNamesItsLineAndRunsNothing) {
  WriteScript("bad.txt", "click cmdIntroNext\n\njump cmdIntroCancel\n");
  const Outcome outcome = Run("run bad.txt");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_THAT(outcome.output, HasSubstr("bad.txt: line 3: unknown action \"jump\""));
  EXPECT_THAT(outcome.output, ::testing::Not(HasSubstr("form shown")));
}

}  // namespace

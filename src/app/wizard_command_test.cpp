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

TEST_F(RunCommandTest, WithoutAScriptShowsTheStartStepAndCancels) {
  const Outcome outcome = Run("run");
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_THAT(outcome.output,
              HasSubstr("form shown frmVerbsmith \"Carthex Verbsmith\"\nframe shown fraIntro\n"));
  EXPECT_THAT(outcome.output, HasSubstr("> click cmdIntroCancel\n"));
  EXPECT_THAT(outcome.output, HasSubstr("form unloaded frmVerbsmith\nend of run\n"));
}

TEST_F(RunCommandTest, ReadsTheScriptFromAFile) {
  WriteScript("s.txt", "# help first\r\nkey cmdIntroHelp F1\r\nclick cmdIntroCancel\r\n");
  const Outcome outcome = Run("run s.txt");
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_THAT(outcome.output, HasSubstr("> key cmdIntroHelp F1\n"));
  EXPECT_THAT(outcome.output, HasSubstr("end of run\n"));
}

TEST_F(RunCommandTest, ReadsTheScriptFromStandardInput) {
  const Outcome outcome = Run("run -", "click cmdIntroCancel\n");
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_THAT(outcome.output, HasSubstr("> click cmdIntroCancel\n"));
}

TEST_F(RunCommandTest, AnEmptyScriptClosesTheWizardAndEnds) {
  const Outcome outcome = Run("run -", "");
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_THAT(outcome.output, HasSubstr("no more actions: closing frmVerbsmith\n"));
}

TEST_F(RunCommandTest, AScriptMistakeNamesItsLineAndRunsNothing) {
  WriteScript("bad.txt", "click cmdIntroNext\n\njump cmdIntroCancel\n");
  const Outcome outcome = Run("run bad.txt");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_THAT(outcome.output, HasSubstr("bad.txt: line 3: unknown action \"jump\""));
  EXPECT_THAT(outcome.output, ::testing::Not(HasSubstr("form shown")));
}

TEST_F(RunCommandTest, AnActionOnAMissingControlFailsTheRun) {
  const Outcome outcome = Run("run -", "click cmdNowhere\n");
  EXPECT_EQ(outcome.status, 1) << outcome.output;
  EXPECT_THAT(outcome.output, HasSubstr("action error: line 1: click cmdNowhere"));
  EXPECT_THAT(outcome.output, HasSubstr("end of run\n"));
}

TEST_F(RunCommandTest, AMissingScriptFileIsReported) {
  const Outcome outcome = Run("run nowhere.txt");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_THAT(outcome.output, HasSubstr("cannot read nowhere.txt"));
}

}  // namespace

// Runs the verbsmith executable the way a user does and checks what
// `verbsmith run` prints and returns.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temp_dir.h"

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
  }

  // Runs "verbsmith ARGS" in a private environment; stderr joins stdout.
  Outcome Run(const std::string& args, const std::string& input = "", const std::string& registry = "") {
    const std::string dir = dir_.HostPath().string();
    dir_.Write("stdin.txt", input);
    // No display: the window is never wanted here.
    const std::string command =
        "cd '" + dir + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME='" + dir +
        "/data' XDG_CONFIG_HOME='" + dir + "/config' WINEPREFIX='" + dir + "/wine' VERBSMITH_REGISTRY='" +
        registry + "' '" + exe_ + "' " + args + " < stdin.txt 2>&1";
    const verbsmith::test::ProgramOutcome outcome = verbsmith::test::RunProgram({"/bin/sh", "-c", command});
    return {outcome.status, outcome.out};
  }

  void WriteScript(const std::string& name, const std::string& text) { dir_.Write(name, text); }

  std::string exe_;
  verbsmith::test::TempDir dir_;
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
      // Without a display, no arguments mean the headless run, and the
      // window cannot open.
      {"", "", 0, {"> click cmdIntroCancel\n", "end of run\n"}},
      {"gui", "", 2, {"`verbsmith run` runs the wizard without one\n"}},
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

// A bad registry file is left out with one warning on standard error and
// one in the transcript; the run and info go on.
TEST_F(RunCommandTest, LeavesOutAnUnreadableRegistryFileWithAWarning) {
  const std::string bad = dir_.Write("bad.reg", "garbage\n").string();
  const std::string warning = "registry warning: " + bad + ": line 1: not a registry file";
  const Outcome run = Run("run -", "click cmdIntroCancel\n", bad);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, HasSubstr("verbsmith: " + warning));
  EXPECT_THAT(run.output, HasSubstr("\n" + warning));
  const Outcome info = Run("info", "", bad + ":" + dir_.Write("empty.reg", "").string());
  EXPECT_EQ(info.status, 0);
  EXPECT_THAT(info.output, HasSubstr("Registry left out:     " + bad + ": line 1: "));
  EXPECT_THAT(info.output, ::testing::Not(HasSubstr("empty.reg: ")));
}

// A file name reaches the terminal with its control characters spelled out,
// in what info lists and in a run's warnings and transcript.
TEST_F(RunCommandTest, SpellsOutControlCharactersOfFileNames) {
  const std::string odd = dir_.Write("odd\x1b[2J.reg", "garbage\n").string();
  for (const char* args : {"info", "run -"}) {
    const Outcome outcome = Run(args, "click cmdIntroCancel\n", odd);
    EXPECT_THAT(outcome.output, HasSubstr("odd\\x1B[2J.reg")) << args;
    EXPECT_EQ(outcome.output.find('\x1b'), std::string::npos) << args;
  }
}

}  // namespace

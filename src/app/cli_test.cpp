// The command line as a whole: every command answers --help, and every
// usage mistake is reported the same way, whichever command made it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"

namespace verbsmith::app {
namespace {

test::ProgramOutcome Verbsmith(std::vector<std::string> args) {
  args.insert(args.begin(), test::VerbsmithExecutable());
  return test::RunProgram(args);
}

TEST(CommandLineTest, EveryCommandAnswersHelpOnStandardOutput) {
  for (const auto& command : std::vector<std::vector<std::string>>{{},
                                                                   {"run"},
                                                                   {"gui"},
                                                                   {"demo"},
                                                                   {"info"},
                                                                   {"templates"},
                                                                   {"templates", "check"},
                                                                   {"templates", "render"},
                                                                   {"commands"},
                                                                   {"commands", "list"},
                                                                   {"commands", "show"},
                                                                   {"commands", "add"},
                                                                   {"commands", "remove"},
                                                                   {"new"}}) {
    std::vector<std::string> args = command;
    args.push_back("--help");
    const test::ProgramOutcome outcome = Verbsmith(args);
    std::string name = "verbsmith";
    for (const std::string& word : command) name += " " + word;
    EXPECT_EQ(outcome.status, 0) << name;
    EXPECT_NE(outcome.out.find("Usage: " + name + " "), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err, "") << name;
  }
  EXPECT_EQ(Verbsmith({"help"}).out, Verbsmith({"--help"}).out);
}

TEST(CommandLineTest, AUsageMistakeIsOneLineNamingTheCommandThenTheHint) {
  const struct {
    std::vector<std::string> args;
    std::string command;
  } cases[] = {
      {{"frob"}, "verbsmith"},
      {{"run", "a", "b"}, "verbsmith run"},
      {{"info", "extra"}, "verbsmith info"},
      {{"demo", "--colour"}, "verbsmith demo"},
      {{"templates", "render", "--form", "7", "--out", "x"}, "verbsmith templates render"},
      {{"commands", "show", "--id", "010x", "--company", "C", "--application", "A"},
       "verbsmith commands show"},
      {{"new", "--kind", "sideways"}, "verbsmith new"},
      {{"new", "--answers", "/no/such/answers.json"}, "verbsmith new"},
  };
  for (const auto& c : cases) {
    const test::ProgramOutcome outcome = Verbsmith(c.args);
    EXPECT_EQ(outcome.status, 2) << c.command;
    EXPECT_EQ(outcome.out, "") << c.command;
    const std::string hint = "\nRun '" + c.command + " --help' for usage.\n";
    ASSERT_GT(outcome.err.size(), hint.size()) << outcome.err;
    EXPECT_EQ(outcome.err.find(c.command + ": "), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - hint.size()) << outcome.err;
    EXPECT_EQ(outcome.err.substr(outcome.err.size() - hint.size()), hint) << outcome.err;
  }
}

}  // namespace
}  // namespace verbsmith::app

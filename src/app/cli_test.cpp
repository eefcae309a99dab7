// The command line as a whole: every command answers --help, and every
// usage mistake is reported the same way, whichever command made it.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/source_tree.h"

namespace verbsmith::app {
namespace {

test::ProgramOutcome Verbsmith(std::vector<std::string> args) {
  args.insert(args.begin(), test::VerbsmithExecutable());
  return test::RunProgram(args);
}

// Help is laid out for the terminal: no line runs past COLUMNS.
size_t LongestLine(const std::string& text) {
  size_t longest = 0;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    longest = std::max(longest, end - start);
  }
  return longest;
}

TEST(CommandLineTest, EveryCommandAnswersHelpOnStandardOutputWithinTheWidth) {
  test::ScopedEnv columns("COLUMNS", "80");
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
    EXPECT_LE(LongestLine(outcome.out), 80u) << outcome.out;
    // "verbsmith help COMMAND" is COMMAND --help.
    args = command;
    args.insert(args.begin(), "help");
    EXPECT_EQ(Verbsmith(args).out, outcome.out) << name;
  }
  test::ScopedEnv narrow("COLUMNS", "50");
  EXPECT_LE(LongestLine(Verbsmith({"new", "--help"}).out), 50u);
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

TEST(CommandLineTest, AMistypedCommandOrOptionIsNamedWithTheNearestOne) {
  const struct {
    std::vector<std::string> args;
    std::string said;
  } cases[] = {
      {{"comands", "list"}, "verbsmith: unknown command \"comands\"; did you mean `commands`?"},
      {{"frob"}, "verbsmith: unknown command \"frob\""},
      {{"templates", "chek"}, "verbsmith templates: unknown command \"chek\"; did you mean `check`?"},
      {{"new", "--answer", "x.json"},
       "verbsmith new: unknown option \"--answer\"; did you mean `--answers`?"},
      {{"info", "extra"}, "verbsmith info: unexpected argument \"extra\""},
      {{"help", "nwe"}, "verbsmith help: unknown command \"nwe\"; did you mean `new`?"},
  };
  for (const auto& c : cases) {
    const test::ProgramOutcome outcome = Verbsmith(c.args);
    EXPECT_EQ(outcome.status, 2) << c.said;
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), c.said);
  }
}

// --json prints one document on standard output, whatever the outcome;
// the exit status stays that of the text.
TEST(CommandLineTest, JsonReportsAreOneDocumentOnStandardOutput) {
  const auto json = [](std::vector<std::string> args, int status) {
    const test::ProgramOutcome outcome = Verbsmith(args);
    EXPECT_EQ(outcome.status, status) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    return nlohmann::json::parse(outcome.out, nullptr, false);
  };
  const nlohmann::json info = json({"info", "--json"}, 0);
  EXPECT_TRUE(info["version"].is_string() && info["commandSet"].is_string()) << info;
  const nlohmann::json sound =
      json({"templates", "check", "--json", test::SourceTreePath("templates").string()}, 0);
  EXPECT_TRUE(sound["sound"].get<bool>() && sound["combinations"].get<int>() > 0) << sound;
  const nlohmann::json faulty = json({"templates", "check", "--json", "/nonexistent"}, 1);
  EXPECT_FALSE(faulty["sound"].get<bool>()) << faulty;
  EXPECT_FALSE(faulty["fault"]["message"].get<std::string>().empty()) << faulty;
}

}  // namespace
}  // namespace verbsmith::app

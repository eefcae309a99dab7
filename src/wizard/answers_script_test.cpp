#include "wizard/answers_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/dialogs.h"
#include "platform/transcript.h"
#include "support/source_tree.h"
#include "wizard/answered_run.h"
#include "wizard/answers_file.h"

namespace verbsmith {
namespace {

std::string Read(std::string_view relativePath) {
  std::ifstream in(test::SourceTreePath(relativePath), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The script's action lines, without its comments.
std::string Actions(const std::string& script) {
  std::istringstream in(script);
  std::string actions;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') actions += line + "\n";
  }
  return actions;
}

// The answers of an example walk the steps that example's script walks,
// field by field.
TEST(AnswersScriptTest, WalksTheStepsOfTheScriptWithTheSameAnswers) {
  WizardAnswers answers =
      ReadAnswers(nlohmann::json::parse(Read("examples/flow_create_modeless.answers.json")));
  answers.location = "@WORK@";
  EXPECT_EQ(Actions(AnswersScript(answers)), Actions(Read("examples/flow_create_modeless.script")));
}

TEST(AnswersScriptTest, QuotesTextsTheScriptWouldTrimAndWritesTheDeleteRun) {
  WizardAnswers answers;
  answers.purpose = 2;  // delete
  answers.commandName = " Pick \"it\"";
  EXPECT_EQ(Actions(AnswersScript(answers)),
            "click optDeleteCommand\nclick cmdIntroNext\nchoose cboCmdName \" Pick \"\"it\"\"\"\n"
            "answer Yes\nclick cmdCmdNameFinish\nclick cmdCmdNameCancel\n");
  // A name that reads as a number is still a name, not a place in the list.
  answers.commandName = "0";
  EXPECT_NE(AnswersScript(answers).find("\nchoose cboCmdName \"0\"\n"), std::string::npos);
}

// A deletion the command set refuses after the user said Yes did not
// happen: the run failed, with the command set's reason.
TEST(AnsweredRunWatchTest, ADeletionTheCommandSetRefusedFailed) {
  NullTranscript shown;
  AnsweredRunWatch watch(shown);
  for (const SessionEvent& event : std::vector<SessionEvent>{
           event::FrameShown{"fraCmdName"},
           event::ActionTaken{"click cmdCmdNameFinish", "cmdCmdNameFinish", true},
           event::MessageShown{mb::kYesNo | mb::kQuestion, "Carthex Verbsmith", "Delete it?"},
           event::MessageBoxAnswered{mbresult::kYes, mbresult::kYes},
           event::MessageShown{mb::kExclamation, "Carthex Verbsmith", "The command set is busy."},
           event::ActionTaken{"click cmdCmdNameCancel", "cmdCmdNameCancel", true}}) {
    watch.Happened(event);
  }
  EXPECT_EQ(watch.Status(), answeredrun::kFinishFailed);
  EXPECT_EQ(watch.Messages(), std::vector<std::string>{"The command set is busy."});
}

TEST(AnswersFileTest, RefusesWhatTheWizardHasNoFieldFor) {
  for (const char* bad : {R"([1])", R"({"colour": "red"})", R"({"purpose": "rename"})", R"({"company": 3})",
                          R"({"description": "two\nlines"})", R"({"form": "no"})",
                          R"({"enabling conditions": ["Map view is purple"]})"}) {
    EXPECT_THROW(ReadAnswers(nlohmann::json::parse(bad)), AnswersError) << bad;
  }
  const WizardAnswers read = ReadAnswers(nlohmann::json::parse(
      R"({"purpose": "ADD", "project type": "other", "listener option": "listen to all map views",
          "enabling conditions": ["Custom enabling requirements"], "form": false})"));
  EXPECT_EQ(read.purpose, 3);
  EXPECT_EQ(read.projectType, 1);
  EXPECT_EQ(read.listenTo, "optListenToAllMapViews");
  EXPECT_EQ(read.enablingConditions, std::vector<std::string>{"chkCustomEnablingRequirements"});
  EXPECT_TRUE(read.noForm);
}

}  // namespace
}  // namespace verbsmith

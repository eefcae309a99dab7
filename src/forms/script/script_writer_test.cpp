#include "forms/script/script_writer.h"

#include <gtest/gtest.h>

#include "forms/key_codes.h"
#include "forms/script/script.h"
#include "forms/script/session_recording.h"
#include "platform/dialogs.h"
#include "platform/transcript.h"

namespace verbsmith::forms {
namespace {

// Written and parsed again, an action must come back as it was: a recorded
// session replays only then.
TEST(ScriptWriterTest, WrittenLinesParseBackToTheSameAction) {
  std::vector<UserAction> actions = {
      UserAction(ActionKind::kType, "txtName", " padded "),
      UserAction(ActionKind::kType, "txtName", ""),
      UserAction(ActionKind::kType, "txtName", "\"quoted\" text"),
      UserAction(ActionKind::kChoose, "cboName", "42"),
      UserAction(ActionKind::kChoose, "dirLoc", "Z:\\work dir"),
      UserAction(ActionKind::kKey, "cmdHelp"),
      UserAction(ActionKind::kLeave, "txtName"),
      UserAction(ActionKind::kClose),
  };
  actions.push_back(UserAction(ActionKind::kChoose, "lstItems"));
  actions.back().index = 3;
  for (int value : {0, 1}) {
    actions.push_back(UserAction(ActionKind::kCheck, "chkNoForm"));
    actions.back().index = value;
  }
  actions[5].keyCode = key::kF1;
  actions[5].shift = shift::kShift | shift::kCtrl;

  for (const UserAction& action : actions) {
    SCOPED_TRACE(ScriptLine(action));
    const std::vector<ScriptStep> steps = ParseScript(ScriptLine(action));
    ASSERT_EQ(steps.size(), 1u);
    const UserAction& parsed = steps[0].action;
    EXPECT_EQ(parsed.kind, action.kind);
    EXPECT_EQ(parsed.control, action.control);
    EXPECT_EQ(parsed.text, action.text);
    EXPECT_EQ(parsed.index, action.index);
    EXPECT_EQ(parsed.keyCode, action.keyCode);
    EXPECT_EQ(parsed.shift, action.shift);
  }
  const std::vector<ScriptStep> answers =
      ParseScript(AnswerLine(mbresult::kRetry) + "\n" + FileLine("cancel") + "\n" + FileLine(std::nullopt));
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers[0].answer, mbresult::kRetry);
  EXPECT_EQ(answers[1].file, "cancel");
  EXPECT_EQ(answers[2].file, std::nullopt);
}

TEST(SessionRecordingTest, AnswersGoBeforeTheActionThatWasRunningWhenTheyWereGiven) {
  StringTranscript out;
  SessionRecording recording(out);
  recording.Happened(event::FormShown{"frmAsk", "Ask"});
  recording.Action(UserAction(ActionKind::kClick, "cmdAsk"));
  recording.Happened(event::ActionTaken{"click cmdAsk", "cmdAsk", true});
  recording.Answer(mbresult::kNo);
  recording.Happened(event::MessageBoxAnswered{mbresult::kNo, mbresult::kNo});
  EXPECT_EQ(out.Lines().size(), 1u);  // held until the action is settled
  recording.Action(UserAction(ActionKind::kClose));
  recording.Finish();
  EXPECT_EQ(recording.Script(), "answer No\nclick cmdAsk\nclose\n");
  EXPECT_EQ(out.Text(), "form shown frmAsk \"Ask\"\n> answer No\n> click cmdAsk\n  answer No\n");
}

}  // namespace
}  // namespace verbsmith::forms

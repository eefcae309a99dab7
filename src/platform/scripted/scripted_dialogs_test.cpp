#include "platform/scripted/scripted_dialogs.h"

#include <gtest/gtest.h>

#include "platform/transcript.h"

namespace verbsmith {
namespace {

class ScriptedDialogsTest : public ::testing::Test {
 protected:
  StringTranscript transcript_;
  ScriptedDialogs dialogs_{transcript_};
};

TEST_F(ScriptedDialogsTest, AnUnansweredBoxOrAnUnofferedAnswerTakesTheDefaultButtonAndSaysSo) {
  EXPECT_EQ(dialogs_.MsgBox("Save?", mb::kYesNoCancel + mb::kDefaultButton2, "T"), mbresult::kNo);
  EXPECT_EQ(dialogs_.MsgBox("Go?", mb::kOKCancel, "T"), mbresult::kOK);
  dialogs_.QueueAnswer(mbresult::kYes);
  EXPECT_EQ(dialogs_.MsgBox("Done.", mb::kOKOnly, "T"), mbresult::kOK);
  EXPECT_TRUE(dialogs_.MessageBoxes()[0].defaulted);
  EXPECT_TRUE(dialogs_.MessageBoxes()[2].defaulted);
  EXPECT_EQ(dialogs_.PendingAnswers(), 0u);
  EXPECT_EQ(transcript_.Lines().at(1), "  answer No (default button, no answer queued)");
  EXPECT_EQ(transcript_.Lines().at(5), "  answer OK (default button: the box has no Yes button)");
}

TEST_F(ScriptedDialogsTest, QueuedAnswersComeInOrderAndTheTranscriptShowsIconButtonsTitleAndText) {
  dialogs_.QueueAnswer(mbresult::kOK);
  dialogs_.MsgBox("Line one.\r\nLine two.", mb::kExclamation, "Carthex Verbsmith");
  EXPECT_EQ(transcript_.Lines().at(0),
            "message box (Exclamation, OK) \"Carthex Verbsmith\": Line one.\\nLine two.");
  EXPECT_EQ(transcript_.Lines().at(1), "  answer OK");
  // A missing title becomes the default title.
  dialogs_.MsgBox("Hello", mb::kInformation, std::nullopt);
  EXPECT_EQ(dialogs_.MessageBoxes()[1].title, "Carthex Verbsmith");
  EXPECT_EQ(transcript_.Lines().at(2), "message box (Information, OK) \"Carthex Verbsmith\": Hello");
  // Queued answers are given in order.
  dialogs_.QueueAnswer(mbresult::kNo);
  dialogs_.QueueAnswer(mbresult::kYes);
  EXPECT_EQ(dialogs_.MsgBox("First?", mb::kYesNo + mb::kQuestion, "T"), mbresult::kNo);
  EXPECT_EQ(dialogs_.MsgBox("Second?", mb::kYesNo + mb::kQuestion, "T"), mbresult::kYes);
  EXPECT_EQ(dialogs_.PendingAnswers(), 0u);
  EXPECT_FALSE(dialogs_.MessageBoxes()[2].defaulted);
}

TEST_F(ScriptedDialogsTest, FileDialogGivesTheQueuedPathOrCancelsWhenToldOrWhenNothingIsQueued) {
  dialogs_.QueueFile(std::string("Z:\\tmp\\a.bmp"));
  dialogs_.QueueFile(std::nullopt);
  FileOpenRequest request;
  request.title = "Choose Bitmap";
  const auto result = dialogs_.ShowOpen(request);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->fileName, "Z:\\tmp\\a.bmp");
  EXPECT_EQ(result->fileTitle, "a.bmp");
  EXPECT_FALSE(dialogs_.ShowOpen({}));
  EXPECT_FALSE(dialogs_.ShowOpen({}));
  EXPECT_FALSE(dialogs_.FileDialogs()[1].defaulted);
  EXPECT_TRUE(dialogs_.FileDialogs()[2].defaulted);
  EXPECT_EQ(transcript_.Lines().at(0), "file dialog \"Choose Bitmap\": Z:\\tmp\\a.bmp");
  EXPECT_EQ(transcript_.Lines().at(2), "file dialog \"\": cancel (no file queued)");
}

TEST_F(ScriptedDialogsTest, KeysHelpAndShellOpenAreRecorded) {
  dialogs_.SendKeys("%(FV)");
  dialogs_.DoEvents();
  dialogs_.ShowHelpTopic("C:\\vb\\resdlls\\0009\\Verbsmith52.chm", 510);
  dialogs_.SetShellOpenResult(2);
  EXPECT_EQ(dialogs_.ShellOpen("C:\\faq.htm"), 2);
  EXPECT_EQ(dialogs_.SentKeys(), std::vector<std::string>{"%(FV)"});
  EXPECT_EQ(dialogs_.DoEventsCount(), 1);
  EXPECT_EQ(dialogs_.HelpTopics().at(0).topic, 510);
  EXPECT_EQ(transcript_.Lines(),
            (std::vector<std::string>{"keys sent \"%(FV)\"", "help topic 510 (Verbsmith52.chm)",
                                      "shell open \"C:\\faq.htm\""}));
}

TEST(MsgBoxNamesTest, AnswerNamesParseWithoutRegardToCaseAndDefaultButtonsStayInRange) {
  EXPECT_EQ(ParseMsgBoxResult("yes"), mbresult::kYes);
  EXPECT_EQ(ParseMsgBoxResult("IGNORE"), mbresult::kIgnore);
  EXPECT_EQ(ParseMsgBoxResult("Maybe"), std::nullopt);
  // A default button beyond the last falls back to the first.
  EXPECT_EQ(MsgBoxDefaultAnswer(mb::kOKOnly + mb::kDefaultButton3), mbresult::kOK);
  EXPECT_EQ(MsgBoxDefaultAnswer(mb::kAbortRetryIgnore + mb::kDefaultButton3), mbresult::kIgnore);
}

}  // namespace
}  // namespace verbsmith

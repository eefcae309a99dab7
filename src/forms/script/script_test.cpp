#include "forms/script/script.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/key_codes.h"
#include "platform/dialogs.h"

namespace verbsmith::forms {
namespace {

using ::testing::HasSubstr;

int ErrorLine(std::string_view script, std::string* message = nullptr) {
  try {
    ParseScript(script);
  } catch (const ScriptError& error) {
    if (message) *message = error.what();
    return error.Line();
  }
  return 0;
}

TEST(ScriptParserTest, ReadsEveryActionKind) {
  const auto steps = ParseScript(
      "type txtCmdName MyCommand\n"
      "click cmdIntroNext\n"
      "choose cboCmdName 2\n"
      "choose lstMultiCmd \"x.vbp\"\n"
      "key cmdIntroHelp F1\n"
      "leave txtLCCustomBMPName\n"
      "close\n"
      "answer yes\n"
      "file Z:\\tmp\\a.bmp\n"
      "file cancel\n");
  ASSERT_EQ(steps.size(), 10u);
  EXPECT_EQ(steps[0].action.kind, ActionKind::kType);
  EXPECT_EQ(steps[0].action.control, "txtCmdName");
  EXPECT_EQ(steps[0].action.text, "MyCommand");
  EXPECT_EQ(steps[1].action.kind, ActionKind::kClick);
  EXPECT_EQ(steps[2].action.index, 2);
  EXPECT_EQ(steps[3].action.index, std::nullopt);
  EXPECT_EQ(steps[3].action.text, "x.vbp");
  EXPECT_EQ(steps[4].action.keyCode, key::kF1);
  EXPECT_EQ(steps[5].action.kind, ActionKind::kLeave);
  EXPECT_EQ(steps[6].action.kind, ActionKind::kClose);
  EXPECT_EQ(steps[7].kind, ScriptStep::Kind::kAnswer);
  EXPECT_EQ(steps[7].answer, mbresult::kYes);
  EXPECT_EQ(steps[8].kind, ScriptStep::Kind::kFile);
  EXPECT_EQ(steps[8].file, "Z:\\tmp\\a.bmp");
  EXPECT_EQ(steps[9].file, std::nullopt);
}

TEST(ScriptParserTest, SkipsCommentsAndBlankLinesButCountsThem) {
  const auto steps = ParseScript("# a run\r\n\r\n   \r\n  click cmdIntroNext  \r\n");
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].line, 4);
  EXPECT_EQ(steps[0].echo, "click cmdIntroNext");
  EXPECT_EQ(steps[0].action.echo, "click cmdIntroNext");
  EXPECT_EQ(steps[0].action.line, 4);
}

TEST(ScriptParserTest, UnquotedTextIsTheRestOfTheLineAndQuotesKeepSpacesAndQuotes) {
  const auto steps = ParseScript(
      "type txtCmdDescription Draws   a map\n"
      "type txtCmdToolTip \"  say \"\"hi\"\" \"\n"
      "type txtCmdName \"\"\n"
      "choose lstMultiCmd \"2\"\n"
      "file \"cancel\"\n");
  EXPECT_EQ(steps[0].action.text, "Draws   a map");
  EXPECT_EQ(steps[1].action.text, "  say \"hi\" ");
  EXPECT_EQ(steps[2].action.text, "");
  EXPECT_EQ(steps[3].action.text, "2") << "a quoted number is a text";
  EXPECT_EQ(steps[4].file, "cancel") << "a quoted cancel is a file name";
}

TEST(ScriptParserTest, KeysTakeModifiers) {
  const auto steps = ParseScript("key txtCmdName Shift+Ctrl+F1\nKEY txtCmdName enter\n");
  EXPECT_EQ(steps[0].action.keyCode, key::kF1);
  EXPECT_EQ(steps[0].action.shift, 3);
  EXPECT_EQ(steps[1].action.keyCode, key::kReturn);
}

// Lines end at LF, CR LF or a lone CR; a UTF-8 mark says the file is UTF-8.
TEST(ScriptParserTest, ReadsCrOnlyLinesAndAFileWithAByteOrderMark) {
  const auto steps =
      ParseScript(ScriptTextOfFile("\xEF\xBB\xBF"
                                   "click cmdA\rtype txtB caf\xC3\xA9\r\rclick cmdC"));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].echo, "click cmdA");
  EXPECT_EQ(steps[1].action.text, "caf\xC3\xA9");
  EXPECT_EQ(steps[2].line, 4);
  EXPECT_EQ(ScriptTextOfFile("caf\xE9"), "caf\xC3\xA9");
}

// A line of millions of modifiers is read in one pass (it once took minutes).
TEST(ScriptParserTest, AVeryLongLineOfModifiersIsReadOnce) {
  std::string line = "key txtCmdName ";
  while (line.size() < 4 * 1024 * 1024) line += "Shift+Ctrl+";
  const auto steps = ParseScript(line + "F1\n");
  EXPECT_EQ(steps.at(0).action.shift, 3);
}

TEST(ScriptParserTest, ErrorsNameTheLine) {
  std::string message;
  EXPECT_EQ(ErrorLine("click cmdA\n\n# fine\njump cmdB\n", &message), 4);
  EXPECT_THAT(message, HasSubstr("line 4: unknown action \"jump\""));
  EXPECT_EQ(ErrorLine("click\n"), 1);
  EXPECT_EQ(ErrorLine("click cmdA extra\n"), 1);
  EXPECT_EQ(ErrorLine("click cmd-A\n"), 1);
  EXPECT_EQ(ErrorLine("answer Maybe\n"), 1);
  EXPECT_EQ(ErrorLine("click a\nkey cmdHelp F99\n"), 2);
  EXPECT_EQ(ErrorLine("click a\nkey cmdHelp Hyper+F1\n"), 2);
  EXPECT_EQ(ErrorLine("click a\nclick b\nkey cmdHelp\n"), 3);
  EXPECT_EQ(ErrorLine("type txtA \"open\n"), 1);
  EXPECT_EQ(ErrorLine("type txtA \"closed\" trailing\n"), 1);
  EXPECT_EQ(ErrorLine("choose lstA\n"), 1);
  EXPECT_EQ(ErrorLine("file\n"), 1);
  EXPECT_EQ(ErrorLine("close now\n"), 1);
}

TEST(ScriptParserTest, AnEmptyScriptHasNoSteps) {
  EXPECT_TRUE(ParseScript("").empty());
  EXPECT_TRUE(ParseScript("# nothing\n").empty());
}

}  // namespace
}  // namespace verbsmith::forms

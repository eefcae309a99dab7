#include "forms/script/script_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/script/script.h"
#include "platform/dialogs.h"
#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

using ::testing::ElementsAre;

// A form that asks a question on OK and records the answer.
class AskForm : public Form {
 public:
  AskForm(FormsRuntime& runtime, Dialogs& dialogs) : Form(runtime, "frmAsk") {
    SetCaption("Ask");
    auto& name = Add<TextBox>("txtName");
    auto& ok = Add<CommandButton>("cmdOK");
    auto& browse = Add<CommandButton>("cmdBrowse");
    ok.onClick = [this, &dialogs, &name] {
      if (dialogs.MsgBox("Keep " + name.Text() + "?", mb::kYesNo + mb::kQuestion, "Ask") == mbresult::kYes) {
        Hide();
      }
    };
    browse.onClick = [&dialogs, &name] {
      FileOpenRequest request;
      request.title = "Pick";
      if (auto file = dialogs.ShowOpen(request)) name.SetText(file->fileTitle);
    };
  }
};

class ScriptRunTest : public ::testing::Test {
 protected:
  int Run(std::string_view script) {
    return RunScript(script, session_.dialogs, session_.transcript, [this](ActionSource& source) {
      FormsRuntime runtime(session_.screen, session_.transcript, &source);
      AskForm form(runtime, session_.dialogs);
      form.ShowModal();
    });
  }

  FormsSession session_;
};

TEST_F(ScriptRunTest, AnswersAndFilesAreQueuedForTheBoxesTheNextActionsOpen) {
  EXPECT_EQ(Run("file Z:\\tmp\\a.bmp\n"
                "click cmdBrowse\n"
                "answer No\n"
                "click cmdOK\n"
                "answer Yes\n"
                "click cmdOK\n"),
            0);
  EXPECT_THAT(
      session_.transcript.Lines(),
      ElementsAre("form shown frmAsk \"Ask\"", "focus txtName", "> file Z:\\tmp\\a.bmp", "> click cmdBrowse",
                  "focus cmdBrowse", "file dialog \"Pick\": Z:\\tmp\\a.bmp", "> answer No", "> click cmdOK",
                  "focus cmdOK", "message box (Question, Yes/No) \"Ask\": Keep a.bmp?", "  answer No",
                  "> answer Yes", "> click cmdOK", "message box (Question, Yes/No) \"Ask\": Keep a.bmp?",
                  "  answer Yes", "form hidden frmAsk", "end of run"));
}

TEST_F(ScriptRunTest, TheSummaryNamesWhatWasLeftUnused) {
  EXPECT_EQ(Run("answer Yes\nanswer No\nfile cancel\nclick cmdOK\ntype txtName x\nclick cmdOK\n"), 0);
  const auto& lines = session_.transcript.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 4, lines.end()),
              ElementsAre("script left 2 lines unused, from line 5", "1 answers unused",
                          "1 file answers unused", "end of run"));
}

TEST_F(ScriptRunTest, AnImpossibleActionFailsTheRun) {
  EXPECT_EQ(Run("click cmdNowhere\nclick cmdOK\n"), 1);
  EXPECT_THAT(session_.transcript.Lines(),
              ::testing::Contains(
                  "action error: line 1: click cmdNowhere: frmAsk has no control named \"cmdNowhere\""));
}

TEST_F(ScriptRunTest, AScriptErrorStopsBeforeAnythingIsShown) {
  EXPECT_THROW(Run("click cmdOK\nfly away\n"), ScriptError);
  EXPECT_TRUE(session_.transcript.Lines().empty());
}

TEST_F(ScriptRunTest, AnErrorNobodyTrappedStillEndsTheTranscript) {
  EXPECT_THROW(RunScript("click cmdOK\n", session_.dialogs, session_.transcript,
                         [](ActionSource&) { throw VbError::Standard(vberr::kFileNotFound); }),
               VbError);
  EXPECT_EQ(session_.transcript.Lines().back(), "end of run");
}

}  // namespace
}  // namespace verbsmith::forms

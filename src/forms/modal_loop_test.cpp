#include "forms/modal_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A chooser like the wizard's: a list, a text box and OK / Cancel.
class Chooser : public Form {
 public:
  explicit Chooser(FormsRuntime& runtime) : Form(runtime, "frmChooser") {
    SetCaption("Choose");
    auto& list = Add<ListBox>("lstChoices");
    auto& text = Add<TextBox>("txtChoice");
    auto& ok = Add<CommandButton>("cmdOK");
    auto& cancel = Add<CommandButton>("cmdCancel");
    onLoad = [&ok] { ok.SetEnabled(false); };
    list.onClick = [&] { text.SetText(list.Text()); };
    text.onChange = [&] { ok.SetEnabled(!text.Text().empty()); };
    ok.onClick = [this] { Hide(); };
    cancel.onClick = [this, &text] {
      text.SetText("");
      Hide();
    };
    onUnload = [&text](bool&) { text.SetText(""); };
  }
};

class ModalLoopTest : public ::testing::Test {
 protected:
  ModalLoopTest() {
    main_.SetCaption("Main");
    auto& step = main_.Add<Frame>("fraIntro");
    auto& second = main_.Add<Frame>("fraSecond");
    auto& pick = main_.Add<CommandButton>("cmdPick", step);
    auto& next = main_.Add<CommandButton>("cmdNext", step);
    auto& done = main_.Add<CommandButton>("cmdDone", second);
    second.SetVisible(false);
    pick.onClick = [this] {
      Chooser chooser(session_.runtime);
      chooser.Control<ListBox>("lstChoices").AddItem("a.vbp");
      chooser.Control<ListBox>("lstChoices").AddItem("b.vbp");
      chooser.ShowModal();
      chosen_.push_back(chooser.Control<TextBox>("txtChoice").Text());
      chooser.Unload();
    };
    next.onClick = [&] {
      second.SetVisible(true);
      step.SetVisible(false);
    };
    done.onClick = [this] { main_.Hide(); };
    main_.onActivate = [this] { events_.push_back("Activate"); };
  }

  FormsSession session_;
  Form main_{session_.runtime, "frmMain"};
  std::vector<std::string> chosen_;
  std::vector<std::string> events_;
};

TEST_F(ModalLoopTest, ShowModalReturnsWhenTheFormIsHidden) {
  session_.actions.Click("cmdNext").Click("cmdDone");
  main_.ShowModal();
  EXPECT_TRUE(main_.IsLoaded());
  EXPECT_FALSE(main_.Visible());
  EXPECT_EQ(session_.actions.Remaining(), 0u);
  EXPECT_THAT(session_.transcript.Lines(),
              ElementsAre("form shown frmMain \"Main\"", "frame shown fraIntro", "focus cmdPick",
                          "focus cmdNext", "frame shown fraSecond", "focus cmdDone", "form hidden frmMain"));
}

TEST_F(ModalLoopTest, ShowModalReturnsWhenTheFormIsUnloadedAndReadsNoMore) {
  session_.actions.Close().Click("cmdNext");
  main_.ShowModal();
  EXPECT_FALSE(main_.IsLoaded());
  EXPECT_EQ(session_.actions.Remaining(), 1u);
}

TEST_F(ModalLoopTest, ADialogOpenedByAHandlerRunsANestedLoopOnTheSameActions) {
  session_.actions.Click("cmdPick")
      .Then([this] {
        ASSERT_EQ(session_.runtime.ModalStack().size(), 2u);
        EXPECT_EQ(session_.runtime.ActiveModalForm()->Name(), "frmChooser");
      })
      .Choose("lstChoices", "b.vbp")
      .Click("cmdOK")
      .Then([this] { EXPECT_EQ(session_.runtime.ModalStack().size(), 1u); })
      .Click("cmdNext")
      .Click("cmdDone");
  main_.ShowModal();
  EXPECT_THAT(chosen_, ElementsAre("b.vbp"));
  EXPECT_TRUE(session_.runtime.ModalStack().empty());
}

// Cancelled dialog: the owner is activated again, and its controls were out
// of reach while the dialog stood in front.
TEST_F(ModalLoopTest, TheFormBehindADialogIsOutOfReachAndActivatedAgainAfterIt) {
  session_.actions.Click("cmdPick").Click("cmdNext").Click("cmdCancel").Click("cmdNext").Click("cmdDone");
  main_.ShowModal();
  EXPECT_THAT(session_.transcript.Lines(), Contains("refused: click cmdNext (frmMain is behind frmChooser)"));
  EXPECT_THAT(events_, ElementsAre("Activate", "Activate"));
  EXPECT_THAT(chosen_, ElementsAre(""));
  EXPECT_FALSE(main_.Visible());
}

TEST_F(ModalLoopTest, RunningOutOfActionsClosesEveryOpenFormInTurn) {
  session_.actions.Click("cmdPick").Type("txtChoice", "typed.vbp");
  main_.ShowModal();
  EXPECT_THAT(chosen_, ElementsAre("")) << "closing the dialog empties its text";
  EXPECT_FALSE(main_.IsLoaded());
  EXPECT_TRUE(session_.runtime.ActionsExhausted());
  EXPECT_THAT(session_.transcript.Lines(), Contains("no more actions: closing frmChooser"));
  EXPECT_THAT(session_.transcript.Lines(), Contains("no more actions: closing frmMain"));
}

TEST_F(ModalLoopTest, AFormRefusingToUnloadIsHiddenWhenActionsRunOut) {
  main_.onUnload = [](bool& cancel) { cancel = true; };
  main_.ShowModal();
  EXPECT_TRUE(main_.IsLoaded());
  EXPECT_FALSE(main_.Visible());

  // Without any action source a modal form closes at once.
  FixedScreen screen;
  StringTranscript transcript;
  FormsRuntime runtime(screen, transcript);
  Form lonely(runtime, "frmLonely");
  lonely.ShowModal();
  EXPECT_FALSE(lonely.IsLoaded());
}

TEST_F(ModalLoopTest, AnImpossibleActionIsRecordedAndStopsTheRun) {
  UserAction bad{ActionKind::kClick, "cmdNowhere"};
  bad.line = 7;
  session_.actions.Push(bad).Click("cmdNext");
  main_.ShowModal();
  EXPECT_THAT(session_.runtime.ActionErrors(),
              ElementsAre("line 7: click cmdNowhere: frmMain has no control named \"cmdNowhere\""));
  EXPECT_EQ(session_.actions.Remaining(), 1u);
  EXPECT_FALSE(main_.IsLoaded());
}

TEST_F(ModalLoopTest, ActionsAreEchoedWhenTheyCarryAnEcho) {
  UserAction click{ActionKind::kClick, "cmdDone"};
  click.echo = "click cmdDone";
  session_.actions.Click("cmdNext").Push(click);
  main_.ShowModal();
  EXPECT_THAT(session_.transcript.Lines(), Contains("> click cmdDone"));
}

TEST_F(ModalLoopTest, LoadActivateAndPaintComeInThatOrderOnceAndAVisibleFormCannotGoModal) {
  main_.onLoad = [this] { events_.push_back("Load"); };
  main_.onActivate = [this] {
    events_.push_back("Activate");
    main_.Control("cmdNext").SetFocus();
  };
  main_.onPaint = [this] { events_.push_back("Paint"); };
  main_.Show();
  main_.Show();
  EXPECT_THAT(events_, ElementsAre("Load", "Activate", "Paint"));
  EXPECT_EQ(main_.ActiveControl()->Name(), "cmdNext") << "Activate may put the focus where the form wants it";
  try {
    main_.ShowModal();
    FAIL() << "expected error 400";
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), 400);
  }
}

TEST_F(ModalLoopTest, AnErrorEscapingAHandlerLeavesNoFormOnTheModalStack) {
  main_.Control("cmdNext").onClick = [] { throw VbError::Standard(vberr::kFileNotFound); };
  session_.actions.Click("cmdNext");
  EXPECT_THROW(main_.ShowModal(), VbError);
  EXPECT_THAT(session_.runtime.ModalStack(), IsEmpty());
}

}  // namespace
}  // namespace verbsmith::forms

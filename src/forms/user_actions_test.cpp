#include "forms/user_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/key_codes.h"
#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

// A small step: a frame with a text box, a check box, a combo box, Next and Help.
class UserActionsTest : public ::testing::Test {
 protected:
  UserActionsTest() {
    form_.SetCaption("Test");
    step_ = &form_.Add<Frame>("fraStep");
    name_ = &form_.Add<TextBox>("txtName", *step_);
    check_ = &form_.Add<CheckBox>("chkNoForm", *step_);
    combo_ = &form_.Add<ComboBox>("cboCmdName", *step_);
    next_ = &form_.Add<CommandButton>("cmdNext", *step_);
    help_ = &form_.Add<CommandButton>("cmdHelp", *step_);
    for (Control* control : form_.Controls()) {
      control->onClick = [this, control] { Log(control->Name() + " Click"); };
      control->onLostFocus = [this, control] { Log(control->Name() + " LostFocus"); };
      control->onKeyDown = [this, control](int& keyCode, int) {
        Log(control->Name() + " KeyDown " + std::to_string(keyCode));
      };
    }
    name_->onChange = [this] { Log("txtName Change " + name_->Text()); };
    combo_->onDropDown = [this] {
      Log("cboCmdName DropDown");
      if (combo_->ListCount() == 0) {
        combo_->AddItem("Alpha");
        combo_->AddItem("Beta");
      }
    };
    next_->SetDefault(true);
    form_.Show();
    session_.transcript.Clear();
  }

  ActionOutcome Do(ActionKind kind, const std::string& control, const std::string& text = "",
                   int keyCode = 0) {
    UserAction action{kind, control, text};
    action.keyCode = keyCode;
    return PerformUserAction(form_, action);
  }
  ActionOutcome Key(const std::string& control, int keyCode) {
    return Do(ActionKind::kKey, control, "", keyCode);
  }
  void Log(std::string event) { events_.push_back(std::move(event)); }

  FormsSession session_;
  Form form_{session_.runtime, "frmTest"};
  Frame* step_;
  TextBox* name_;
  CheckBox* check_;
  ComboBox* combo_;
  CommandButton* next_;
  CommandButton* help_;
  std::vector<std::string> events_;
};

TEST_F(UserActionsTest, TypingFiresChangeOnceAndOnlyForANewText) {
  Do(ActionKind::kType, "txtName", "MyCommand");
  Do(ActionKind::kType, "txtName", "MyCommand");
  EXPECT_THAT(events_, ElementsAre("txtName Change MyCommand"));
}

TEST_F(UserActionsTest, ClickingMovesTheFocusFirstSoTheControlLeftHearsLostFocus) {
  EXPECT_EQ(form_.ActiveControl(), name_) << "showing the form focuses the first control in tab order";
  Do(ActionKind::kClick, "cmdNext");
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus", "cmdNext Click"));
  EXPECT_THAT(session_.transcript.Lines(), Contains("focus cmdNext"));
}

TEST_F(UserActionsTest, AClickIsDroppedWhenLostFocusPutsTheFocusBack) {
  name_->onLostFocus = [this] {
    Log("txtName LostFocus");
    name_->SetFocus();
  };
  EXPECT_EQ(Do(ActionKind::kClick, "cmdNext"), ActionOutcome::kDropped);
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus"));
  EXPECT_EQ(form_.ActiveControl(), name_);
  EXPECT_THAT(session_.transcript.Lines(), Contains("dropped: click cmdNext (focus stayed on txtName)"));
}

TEST_F(UserActionsTest, ClickingACheckBoxTogglesItAndClicks) {
  Do(ActionKind::kClick, "chkNoForm");
  Do(ActionKind::kClick, "chkNoForm");
  EXPECT_EQ(check_->Value(), check::kUnchecked);
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus", "chkNoForm Click", "chkNoForm Click"));
}

// check and uncheck leave the box in that state whatever it held, clicking
// only a box that differs: one already so asks nothing, even disabled.
TEST_F(UserActionsTest, CheckingABoxSetsItsValueAndClicksOnlyWhenItDiffers) {
  auto set = [this](int value) {
    UserAction action{ActionKind::kCheck, "chkNoForm"};
    action.index = value;
    return PerformUserAction(form_, action);
  };
  set(1);
  set(1);
  check_->SetEnabled(false);
  EXPECT_EQ(set(1), ActionOutcome::kDone);
  EXPECT_EQ(set(0), ActionOutcome::kRefused);
  check_->SetEnabled(true);
  check_->SetValue(check::kGrayed);
  events_.clear();
  set(0);
  EXPECT_EQ(check_->Value(), check::kUnchecked);
  EXPECT_THAT(events_, ElementsAre("chkNoForm Click"));
  EXPECT_THROW(Do(ActionKind::kCheck, "cmdNext"), ActionError);
}

TEST_F(UserActionsTest, ChoosingInAComboDropsItDownThenClicksAndRefusesAMissingEntry) {
  Do(ActionKind::kChoose, "cboCmdName", "beta");
  EXPECT_EQ(combo_->Text(), "Beta");
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus", "cboCmdName DropDown", "cboCmdName Click"));
  UserAction byIndex{ActionKind::kChoose, "cboCmdName"};
  byIndex.index = 0;
  PerformUserAction(form_, byIndex);
  EXPECT_EQ(combo_->Text(), "Alpha");
  byIndex.index = 7;
  EXPECT_EQ(PerformUserAction(form_, byIndex), ActionOutcome::kRefused);
  EXPECT_EQ(combo_->Text(), "Alpha");
  EXPECT_THAT(session_.transcript.Lines(), Contains("refused: choose cboCmdName 7 (no such entry among 2)"));
}

TEST_F(UserActionsTest, F1ArrivesAsKeyDown112InTheFocusedControl) {
  Key("cmdHelp", key::kF1);
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus", "cmdHelp KeyDown 112"));
}

TEST_F(UserActionsTest, EnterAndEscapeClickTheDefaultAndCancelButtonsWithoutMovingTheFocus) {
  Key("txtName", key::kReturn);
  help_->SetCancel(true);
  Key("txtName", key::kEscape);
  next_->SetEnabled(false);
  Key("txtName", key::kReturn);
  EXPECT_THAT(events_, ElementsAre("cmdNext Click", "cmdHelp Click", "txtName KeyDown 13"))
      << "without a usable default button Enter reaches the control";
  EXPECT_EQ(form_.ActiveControl(), name_);
}

TEST_F(UserActionsTest, KeysTypedIntoATextBoxReplaceItsSelectionAndMoveTheCaret) {
  name_->SetText("abc");
  name_->SelectAll();
  for (int code :
       std::initializer_list<int>{'X', 'Y', 'Z', key::kLeft, key::kBack, key::kRight, key::kDelete, key::kUp})
    Key("txtName", code);
  EXPECT_EQ(name_->Text(), "xz");
}

TEST_F(UserActionsTest, LeavingAControlFocusesItFirstAndMovesTheFocusToTheNextInTabOrder) {
  Do(ActionKind::kLeave, "txtName");
  EXPECT_EQ(form_.ActiveControl(), check_);
  Do(ActionKind::kLeave, "cmdNext");
  EXPECT_THAT(events_, ElementsAre("txtName LostFocus", "chkNoForm LostFocus", "cmdNext LostFocus"));
  EXPECT_EQ(form_.ActiveControl(), help_);
}

TEST_F(UserActionsTest, DisabledOrHiddenControlsTakeNoActionAndTheRefusalIsReported) {
  next_->SetEnabled(false);
  EXPECT_EQ(Do(ActionKind::kClick, "cmdNext"), ActionOutcome::kRefused);
  help_->SetVisible(false);
  EXPECT_EQ(Do(ActionKind::kClick, "cmdHelp"), ActionOutcome::kRefused);
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(form_.ActiveControl(), name_) << "a refused action moves no focus";
  EXPECT_THAT(session_.transcript.Lines(),
              ElementsAre("refused: click cmdNext (disabled)", "refused: click cmdHelp (hidden)"));
}

TEST_F(UserActionsTest, AControlInADisabledOrHiddenFrameOrALockedTextBoxTakesNoAction) {
  name_->SetLocked(true);
  EXPECT_EQ(Do(ActionKind::kType, "txtName", "x"), ActionOutcome::kRefused);
  name_->SetLocked(false);
  step_->SetEnabled(false);
  EXPECT_EQ(Do(ActionKind::kType, "txtName", "x"), ActionOutcome::kRefused);
  step_->SetEnabled(true);
  step_->SetVisible(false);
  EXPECT_EQ(Key("cmdHelp", key::kF1), ActionOutcome::kRefused);
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(name_->Text(), "");
}

TEST_F(UserActionsTest, ActionsThatMakeNoSenseAreErrorsNotRefusals) {
  EXPECT_THROW(Do(ActionKind::kClick, "cmdMissing"), ActionError);
  EXPECT_THROW(Do(ActionKind::kType, "cmdNext", "x"), ActionError);
  EXPECT_THROW(Do(ActionKind::kChoose, "txtName", "x"), ActionError);
  combo_->SetStyle(combo::kDropdownList);
  EXPECT_THROW(Do(ActionKind::kType, "cboCmdName", "x"), ActionError);
}

TEST_F(UserActionsTest, ClosingUnloadsTheForm) {
  Do(ActionKind::kClose, "");
  EXPECT_FALSE(form_.IsLoaded());
}

TEST(KeyCodesTest, NamesAndCodesGoBothWays) {
  EXPECT_EQ(KeyCodeFromName("F1"), 112);
  EXPECT_EQ(KeyCodeFromName("f12"), 123);
  EXPECT_EQ(KeyCodeFromName("enter"), 13);
  EXPECT_EQ(KeyCodeFromName("a"), 'A');
  EXPECT_EQ(KeyCodeFromName("46"), 46);
  EXPECT_EQ(KeyCodeFromName("F13"), std::nullopt);
  EXPECT_EQ(KeyCodeFromName("Hyper"), std::nullopt);
  EXPECT_EQ(KeyName(112), "F1");
  EXPECT_EQ(KeyName(13), "Enter");
}

}  // namespace
}  // namespace verbsmith::forms

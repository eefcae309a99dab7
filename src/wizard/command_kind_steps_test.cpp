// The classification, modeless, listener, command-type, form and enabling
// steps driven on the real window and managers: what the steps show and
// store where a transcript cannot see it.

#include "wizard/command_kind_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/texts.h"
#include "support/wizard_run.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {
namespace {

class CommandKindStepsTest : public ::testing::Test, protected test::WizardRun {
 protected:
  void Press(std::string_view button) { window.Control<forms::CommandButton>(button).RaiseClick(); }
  void Select(std::string_view option) { window.Control<forms::OptionButton>(option).SetValue(true); }
  void Toggle(std::string_view box) { window.Control<forms::CheckBox>(box).Toggle(); }
  bool Selected(std::string_view option) { return window.Control<forms::OptionButton>(option).Value(); }
  bool Checked(std::string_view box) { return window.Control<forms::CheckBox>(box).IsChecked(); }
  bool Enabled(std::string_view control) { return window.Control(control).Enabled(); }
  Step Current() { return window.CurrentStep().value(); }

  // What the command-name step loads when a registered command is chosen.
  void LoadEditedCommand(int32_t requirements, int32_t commandType, int32_t enablingMask) {
    gen.SetWizardPurpose(purpose::kEdit);
    gen.SetViewListenerRequirements(requirements);
    gen.SetViewListenerCommandType(commandType);
    gen.SetCommandsEnablingConditions(enablingMask);
    gen.SetIsMapViewListener(requirements != 0);
  }
};

TEST_F(CommandKindStepsTest, EditingShowsExactlyTheStoredMasksOfEachCommand) {
  // Requirements 2 do not ask for new views: an unchanged edit keeps 2.
  LoadEditedCommand(2, 3, 0x400002);
  window.GoTo(Step::kAddBMP, Step::kListener, Direction::kNext);
  EXPECT_FALSE(Checked("chkTellMeAboutNewViews"));
  EXPECT_TRUE(Selected("optListenToActiveMapView"));
  Press("cmdListenerNext");
  EXPECT_TRUE(Selected("optPlacement"));
  Press("cmdCommandTypeNext");
  EXPECT_EQ(gen.ViewListenerRequirements(), 2);
  EXPECT_EQ(gen.ViewListenerCommandType(), 3);
  EXPECT_TRUE(Checked("chkDataviewActive") && Checked("chkSelectSetHasRecords"));
  EXPECT_FALSE(Enabled("chkCustomEnablingRequirements"));

  // Another command chosen: nothing of the first one is left showing.
  window.GoTo(Step::kEnablingConditions, Step::kAddBMP, Direction::kBack);
  LoadEditedCommand(17, 1, 1);
  window.GoTo(Step::kAddBMP, Step::kListener, Direction::kNext);
  EXPECT_TRUE(Checked("chkTellMeAboutNewViews"));
  EXPECT_TRUE(Selected("optHasCustomStartupRequirements"));
  EXPECT_FALSE(Selected("optListenToActiveMapView"));
  Press("cmdListenerNext");
  EXPECT_TRUE(Selected("optTracker"));
  EXPECT_FALSE(Selected("optPlacement"));
  Press("cmdCommandTypeNext");
  EXPECT_TRUE(Checked("chkCustomEnablingRequirements"));
  EXPECT_FALSE(Checked("chkDataviewActive") || Checked("chkSelectSetHasRecords"));
  EXPECT_FALSE(Enabled("chkDataviewActive"));
  Press("cmdEnablingConditionsNext");
  EXPECT_EQ(gen.ViewListenerRequirements(), 17);
  EXPECT_EQ(gen.ViewListener(), 1);
  EXPECT_EQ(gen.CommandsEnablingConditions(), 1);

  // A third one asks only for new views: it keeps 16, whatever kind the
  // command before it had.
  window.GoTo(Step::kFinish, Step::kAddBMP, Direction::kBack);
  LoadEditedCommand(16, 2, 0);
  window.GoTo(Step::kAddBMP, Step::kListener, Direction::kNext);
  EXPECT_FALSE(Selected("optHasCustomStartupRequirements"));
  Press("cmdListenerNext");
  EXPECT_EQ(gen.ViewListenerRequirements(), 16);

  // A fourth without enabling conditions clears every box again.
  window.GoTo(Step::kCommandType, Step::kAddBMP, Direction::kBack);
  LoadEditedCommand(0, 0, 0);
  window.GoTo(Step::kAddBMP, Step::kEnablingConditions, Direction::kNext);
  EXPECT_FALSE(Checked("chkCustomEnablingRequirements"));
  EXPECT_TRUE(Enabled("chkDataviewActive") && Enabled("chkCustomEnablingRequirements"));
}

TEST_F(CommandKindStepsTest, ACommandThatStopsListeningKeepsNoListenerKind) {
  gen.SetWizardPurpose(purpose::kCreate);
  gen.SetCommandIsModeless(true);
  window.GoTo(Step::kIntro, Step::kModeless, Direction::kNext);
  Toggle("chkModelessMapViewListener");
  Press("cmdModelessNext");
  Select("optHasCustomStartupRequirements");
  Press("cmdListenerNext");
  Select("optEdit");
  Press("cmdCommandTypeNext");
  ASSERT_EQ(Current(), Step::kEnablingConditions);
  EXPECT_EQ(gen.ViewListener(), 1);
  EXPECT_EQ(gen.ViewListenerRequirements(), 17);
  EXPECT_EQ(gen.ViewListenerCommandType(), 4);

  // Back to the modeless step: leaving the listener step does not store a
  // listener that the modeless step has just undone.
  Press("cmdEnablingConditionsBack");
  Press("cmdCommandTypeBack");
  Press("cmdListenerBack");
  ASSERT_EQ(Current(), Step::kModeless);
  EXPECT_FALSE(gen.IsMapViewListener());
  EXPECT_EQ(gen.ViewListener(), 0);
  EXPECT_EQ(gen.ViewListenerRequirements(), 0);
  EXPECT_EQ(gen.ViewListenerRequirementsRecap(), "");

  // Listening again, then made modal on the form step.
  Press("cmdModelessNext");
  Press("cmdListenerNext");
  EXPECT_EQ(gen.ViewListener(), 1);
  window.GoTo(Step::kCommandType, Step::kFormName, Direction::kBack);
  gen.SetCommandIsModeless(false);
  window.Control<forms::TextBox>("txtFormName").SetText("frmPick");
  Select("OptAsDesigned");
  Press("cmdFrmNameNext");
  ASSERT_EQ(Current(), Step::kEnablingConditions);
  EXPECT_FALSE(gen.IsMapViewListener());
  EXPECT_EQ(gen.ViewListener(), 0);
  EXPECT_EQ(gen.ViewListenerRecap(), "\r\nView Listener Features\r\n     + Not a Map View Listener\r\n");
}

TEST_F(CommandKindStepsTest, TheClassificationShownIsTheOneUsed) {
  // An edit run loaded a modeless command; the user went back and creates.
  gen.SetCommandIsModeless(true);
  gen.SetWizardPurpose(purpose::kCreate);
  window.GoTo(Step::kAddBMP, Step::kComClass, Direction::kNext);
  ASSERT_TRUE(Selected("optComClassModal"));
  EXPECT_FALSE(gen.CommandIsModeless());
  Press("cmdComClassNext");
  EXPECT_TRUE(Selected("OptScreenCentered"));
  EXPECT_EQ(gen.RecapString().substr(0, 25), "Creating a modal command.");
}

TEST_F(CommandKindStepsTest, FormNamesThatAreNotIdentifiersAreRefused) {
  window.GoTo(Step::kIntro, Step::kFormName, Direction::kNext);
  for (const char* name : {"frm Pick", "frm-Pick", "frm.Pick", "1frm"}) {
    window.Control<forms::TextBox>("txtFormName").SetText(name);
    Press("cmdFrmNameNext");
    EXPECT_EQ(env.Prompts().back(), text::kFormNameNotIdentifier) << name;
    EXPECT_EQ(Current(), Step::kFormName);
    EXPECT_EQ(window.ActiveControl()->Name(), "txtFormName");
  }
}

TEST_F(CommandKindStepsTest, ChecksNoUserCanReachStillHoldTheStep) {
  // The designed start states always select an option; cleared in code,
  // Next asks for one.
  window.GoTo(Step::kIntro, Step::kComClass, Direction::kNext);
  window.Control<forms::OptionButton>("optComClassModal").SetValue(false);
  Press("cmdComClassNext");
  EXPECT_EQ(env.Prompts().back(), text::kChooseClassification);
  Select("optComClassModal");
  Press("cmdComClassNext");
  window.Control<forms::OptionButton>("OptScreenCentered").SetValue(false);
  Press("cmdFrmNameNext");
  EXPECT_EQ(env.Prompts().back(), text::kChooseFormPosition);
  EXPECT_EQ(Current(), Step::kFormName);
}

// The enabling list scrolls by exactly what is hidden of it.
TEST_F(CommandKindStepsTest, TheEnablingListScrollsByWhatIsHiddenOfIt) {
  window.GoTo(Step::kIntro, Step::kEnablingConditions, Direction::kNext);
  const auto& bar = window.Control<forms::VScrollBar>("VScroll1");
  EXPECT_EQ(bar.Max(), window.Control("Picture3").Height() - window.Control("Picture2").Height());
  window.Control<forms::VScrollBar>("VScroll1").SetValue(bar.Max());
  EXPECT_EQ(window.Control("Picture3").Top(), -bar.Max());
}

}  // namespace
}  // namespace verbsmith

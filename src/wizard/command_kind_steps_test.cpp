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
  bool Selected(std::string_view option) { return window.Control<forms::OptionButton>(option).Value(); }
  Step Current() { return window.CurrentStep().value(); }
};

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

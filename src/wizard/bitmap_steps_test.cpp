// The bitmap and finish steps on the real window and managers: what they
// store where a transcript cannot see it (edit runs, vanished files, the
// current directory, the finish step's heading and box).

#include "wizard/bitmap_steps.h"

#include <gtest/gtest.h>

#include <variant>

#include "base/messages.h"
#include "support/bmp_writer.h"
#include "support/current_directory_guard.h"
#include "support/temp_dir.h"
#include "support/wizard_run.h"
#include "wizard/recap.h"

namespace verbsmith {
namespace {

class BitmapStepsTest : public ::testing::Test, public test::WizardRun {
 protected:
  BitmapStepsTest() { cls.SetClassname("Buffer"); }

  // Enters a step from the start step, whose leaving stores nothing.
  void Enter(Step step) { window.GoTo(Step::kIntro, step, Direction::kNext); }
  void Press(std::string_view button) { window.Control<forms::CommandButton>(button).RaiseClick(); }
  forms::TextBox& Box(std::string_view name) { return window.Control<forms::TextBox>(name); }
  size_t RecapLinesShown() {
    size_t lines = 0;
    for (const SessionEvent& event : session.transcript.Events()) {
      if (const auto* recap = std::get_if<event::RecapShown>(&event)) lines += recap->lines.size();
    }
    return lines;
  }

  test::TempDir dir;
  test::CurrentDirectoryGuard cwd;
};

TEST_F(BitmapStepsTest, LeavingGoesBackToTheCurrentDirectoryOfShowingAndKeepsTypedPathsWhole) {
  dir.Write("art/logo.bmp", test::MakeBmp(24, 23, false));
  env.files.SetCurrentDirectory(dir.WindowsPath());
  gen.SetCurrentPathSrc(dir.WindowsPath("src"));
  bitmaps.SetResourceType(1);
  Enter(Step::kCustomBMP);
  Box("txtLCCustomBMPName").SetText("art\\logo");
  env.files.SetCurrentDirectory(dir.WindowsPath("art"));  // as a file dialog may do
  Press("cmdCustomBMPBack");
  EXPECT_EQ(env.files.CurrentDirectory(), dir.WindowsPath());
  EXPECT_EQ(gen.BitmapRecapString(), "     + " + dir.WindowsPath("src/") + "Buffer.rc\r\n");

  Enter(Step::kCustomBMP);
  Box("txtLCCustomBMPName").SetText("art\\logo");
  env.dialogs.QueueAnswer(mbresult::kOK);
  Press("cmdCustomBMPNext");
  EXPECT_EQ(bitmaps.LCBitmapLocation(), dir.WindowsPath("art/"));
  EXPECT_EQ(bitmaps.LCBMPFilename(), "logo.BMP");
}

TEST_F(BitmapStepsTest, FinishStepShowsTheHeadingOfThePurposeAndTheTotalRecapInEitherOrder) {
  gen.SetWizardPurpose(purpose::kAdd);
  gen.SetRecapString("Adding a modal command.\r\n");
  gen.SetCommandsEnablingConditionsRecap("\r\nCommand Enabling Conditions\r\n");
  Enter(Step::kFinish);  // shown first, then the total composed
  recap::ShowTotal(window);
  EXPECT_EQ(window.Control<forms::Label>("Label3").Caption(), LoadResString(76));
  EXPECT_EQ(Box("txtRecap").Text(), recap::Total(gen));
  EXPECT_EQ(RecapLinesShown(), 3u);
  EXPECT_TRUE(window.Control<forms::CommandButton>("cmdFinishFinish").Default());

  window.HideStep(Step::kFinish);
  gen.SetWizardPurpose(purpose::kEdit);
  gen.SetRecapString("Updating the modal command.\r\n");
  recap::ShowTotal(window);  // composed first, then shown
  Enter(Step::kFinish);
  EXPECT_EQ(window.Control<forms::Label>("Label3").Caption(), LoadResString(75));
  EXPECT_EQ(Box("txtRecap").Text(), "Updating the modal command.\r\n\r\nCommand Enabling Conditions\r\n");
  EXPECT_EQ(RecapLinesShown(), 6u);
}

}  // namespace
}  // namespace verbsmith

// Every step of the wizard's native window, the chooser and the preview:
// each top-level frame of the wizard is made the visible step in turn, so
// steps added later are covered without a change here. In each, no control
// overlaps another and every caption fits; with VERBSMITH_SCREENSHOTS set
// (scripts/screenshots-windows, under Xvfb) a picture of each is written
// there.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/win32/win32_platform.h"
#include "platform/transcript.h"
#include "win32view/win32_wizard.h"
#include "window_pictures.h"
#include "wizard/frm_preview.h"

namespace verbsmith::win32view {
namespace {

forms::Form& FormNamed(forms::FormsRuntime& runtime, const std::string& name) {
  const auto& forms = runtime.Forms();
  const auto it = std::find_if(forms.begin(), forms.end(), [&](forms::Form* f) { return f->Name() == name; });
  if (it == forms.end()) throw std::runtime_error("no form " + name);
  return **it;
}

// A window just shown or drawn is on the screen once its messages are done.
void Settle(int rounds) {
  for (int round = 0; round < rounds; ++round) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(20);
  }
}

// The faults of the form's window as shown now, each named with `shown`;
// its picture is written when pictures are asked for.
void Look(Win32ActionSource& source, const forms::Form& form, const std::string& shown,
          std::vector<std::string>& faults) {
  source.Sync();
  FormWindow* window = source.WindowOf(form.Name());
  if (window == nullptr || window->Handle() == nullptr) return faults.push_back(shown + ": no window");
  RedrawWindow(window->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle(25);
  for (const std::string& fault : LayoutFaults(*window)) faults.push_back(shown + ": " + fault);
  if (const char* directory = std::getenv("VERBSMITH_SCREENSHOTS")) {
    const std::filesystem::path file = std::filesystem::path(directory) / (shown + ".png");
    EXPECT_TRUE(SavePicture(window->Handle(), file.wstring())) << file;
  }
}

TEST(StepPicturesTest, EveryStepTheChooserAndThePreviewFitTheirWindows) {
  NullTranscript out;
  Win32Wizard wizard(nullptr, out);
  app::Win32Platform platform(wizard.Recording(), wizard.PersonDialogs(), wizard.GetScreen());
  Win32ActionSource& source = wizard.Source();
  std::vector<std::string> steps;
  std::vector<std::string> faults;
  source.onIdle = [&] {
    source.Stop();
    forms::FormsRuntime& runtime = *source.Runtime();
    // The X server shows a new window a while after it is made.
    Settle(50);
    forms::Form& wizardForm = FormNamed(runtime, "frmVerbsmith");
    std::vector<forms::Control*> frames;
    for (forms::Control* control : wizardForm.Controls()) {
      if (control->Kind() == forms::ControlKind::kFrame && control->Container() == nullptr)
        frames.push_back(control);
    }
    for (forms::Control* step : frames) {
      for (forms::Control* frame : frames) frame->SetVisible(frame == step);
      steps.push_back(step->Name());
      Look(source, wizardForm, "frmVerbsmith-" + step->Name(), faults);
    }
    forms::Form& chooser = FormNamed(runtime, "frmMultiCmd");
    chooser.Show();
    Look(source, chooser, "frmMultiCmd", faults);
    chooser.Hide();
    FrmPreview preview(runtime);
    preview.Control<forms::TextBox>("txtPlan").SetText("create Z:\\Atlas\\src\\Pick.cls\r\n");
    preview.Show();
    Look(source, preview, "frmPreview", faults);
    preview.Hide();
    source.Sync();
  };
  wizard.Run(platform.GetHost(), platform.GetIde());

  EXPECT_THAT(steps, ::testing::Contains("fraIntro"));
  EXPECT_THAT(faults, ::testing::IsEmpty());
}

}  // namespace
}  // namespace verbsmith::win32view

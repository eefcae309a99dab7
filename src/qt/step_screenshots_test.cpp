// Every step of the wizard window, and the chooser dialog, as the window
// shows them: each top-level frame of the wizard is made the visible step
// in turn, so steps added later are covered without a change here. In each,
// no control overlaps another and every caption fits (from the widgets'
// geometry and font metrics); a screenshot of each is written to the
// directory named by VERBSMITH_SCREENSHOTS (scripts/screenshots keeps them
// in docs/screenshots), else beside the test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cstdlib>

#include "qt/layout_check.h"
#include "shell/headless.h"
#include "support/window_session.h"
#include "wizard/frm_preview.h"

namespace verbsmith::qt {
namespace {

QString ScreenshotDirectory() {
  const char* configured = std::getenv("VERBSMITH_SCREENSHOTS");
  const QString directory =
      configured != nullptr ? QString::fromLocal8Bit(configured) : QStringLiteral("screenshots");
  QDir().mkpath(directory);
  return directory;
}

forms::Form& FormNamed(forms::FormsRuntime& runtime, const std::string& name) {
  const auto& forms = runtime.Forms();
  const auto it = std::find_if(forms.begin(), forms.end(), [&](forms::Form* f) { return f->Name() == name; });
  if (it == forms.end()) throw std::runtime_error("no form " + name);
  return **it;
}

// The layout faults of the form's window as shown now, and its screenshot.
std::vector<std::string> Picture(WindowActionSource& source, const forms::Form& form, const QString& file) {
  source.Sync();
  FormWindow* window = source.WindowOf(form.Name());
  if (window == nullptr) return {form.Name() + ": no window"};
  EXPECT_TRUE(window->grab().save(ScreenshotDirectory() + QLatin1Char('/') + file));
  return LayoutFaults(*window);
}

TEST(StepScreenshotsTest, EveryStepAndTheChooserFitTheirWindows) {
  test::WindowSession session;
  std::vector<std::string> steps;
  std::vector<std::string> faults;
  session.driver.Then([&] {
    forms::Form& wizard = FormNamed(session.runtime, "frmVerbsmith");
    std::vector<forms::Control*> frames;
    for (forms::Control* control : wizard.Controls()) {
      if (control->Kind() == forms::ControlKind::kFrame && control->Container() == nullptr)
        frames.push_back(control);
    }
    for (forms::Control* step : frames) {
      for (forms::Control* frame : frames) frame->SetVisible(frame == step);
      // Each step shows the step picture in its first picture box, as
      // entering it does.
      for (forms::Control* control : wizard.Controls()) {
        auto* picture = dynamic_cast<forms::PictureBox*>(control);
        if (picture != nullptr && control->Container() == step) {
          if (picture->Picture().empty())
            picture->SetPicture(wizard.Control<forms::ImageList>("ImageList1").Image(1));
          break;
        }
      }
      steps.push_back(step->Name());
      for (const std::string& fault :
           Picture(session.source, wizard, "frmVerbsmith-" + QString::fromStdString(step->Name()) + ".png")) {
        faults.push_back(step->Name() + ": " + fault);
      }
    }
    forms::Form& chooser = FormNamed(session.runtime, "frmMultiCmd");
    chooser.Show();
    for (const std::string& fault : Picture(session.source, chooser, QStringLiteral("frmMultiCmd.png"))) {
      faults.push_back("frmMultiCmd: " + fault);
    }
    chooser.Hide();
    FrmPreview preview(session.runtime);
    preview.Control<forms::TextBox>("txtPlan").SetText("create Z:\\Atlas\\src\\Pick.cls\r\n");
    preview.Show();
    for (const std::string& fault : Picture(session.source, preview, QStringLiteral("frmPreview.png"))) {
      faults.push_back("frmPreview: " + fault);
    }
    preview.Hide();
  });
  shell::RunWizardSession(session.host, *session.ide, session.runtime);
  session.Finish();

  EXPECT_THAT(steps, ::testing::Contains("fraIntro"));
  EXPECT_THAT(faults, ::testing::IsEmpty());
}

}  // namespace
}  // namespace verbsmith::qt

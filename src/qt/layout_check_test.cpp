// The layout check finds what a person would see as broken: captions cut
// off, controls on top of each other, controls sticking out of a frame.

#include "qt/layout_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/forms_session.h"

namespace verbsmith::qt {
namespace {

using ::testing::ElementsAre;

TEST(LayoutCheckTest, FindsCutCaptionsOverlapsAndControlsOutsideTheirFrame) {
  FormsSession session;
  forms::Form form(session.runtime, "frmLayout");
  form.Move(0, 0, 6000, 4000);
  form.Add<forms::Label>("lblFits").SetCaption("Fits");
  form.Control("lblFits").Move(120, 120, 1200, 255);
  form.Add<forms::Label>("lblCut").SetCaption("A caption far too long for its label");
  form.Control("lblCut").Move(120, 480, 600, 255);
  form.Add<forms::CommandButton>("cmdOver").SetCaption("OK");
  form.Control("cmdOver").Move(600, 480, 1095, 375);
  auto& frame = form.Add<forms::Frame>("fraBox");
  frame.Move(120, 1200, 2000, 1000);
  form.Add<forms::CheckBox>("chkOut", frame).SetCaption("Out");
  form.Control("chkOut").Move(1500, 240, 1095, 255);
  FormWindow window(form, nullptr, [](forms::UserAction) {});
  window.Sync();

  EXPECT_THAT(LayoutFaults(window),
              ElementsAre(::testing::StartsWith("lblCut: text needs"), "lblCut and cmdOver overlap",
                          "chkOut: sticks out of fraBox"));
}

}  // namespace
}  // namespace verbsmith::qt

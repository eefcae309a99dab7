#pragma once
// Building a step's controls on the wizard window at their designed place.
// Positions and sizes are in twips, relative to the container.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/form.h"
#include "wizard/step.h"

namespace verbsmith {

class FrmVerbsmith;

struct Bounds {
  int32_t left, top, width, height;
};

namespace layout {
// Every step frame fills the window.
inline constexpr int32_t kFrameLeft = 8;
inline constexpr int32_t kFrameTop = 8;
inline constexpr int32_t kFrameWidth = 8490;
inline constexpr int32_t kFrameHeight = 5610;
// The step picture on the left; the step's own controls to its right.
inline constexpr Bounds kPicture{120, 240, 2055, 4575};
inline constexpr int32_t kContentLeft = 2400;
inline constexpr int32_t kContentWidth = 5880;
inline constexpr Bounds kHeading{kContentLeft, 240, kContentWidth, 495};
// The button row along the bottom.
inline constexpr int32_t kButtonTop = 5040;
inline constexpr int32_t kButtonWidth = 1035;
inline constexpr int32_t kButtonHeight = 375;
inline constexpr int32_t kCancelLeft = 2400;
inline constexpr int32_t kBackLeft = 3720;
inline constexpr int32_t kNextLeft = 4800;
inline constexpr int32_t kFinishLeft = 5940;
inline constexpr int32_t kHelpLeft = 7200;
// Buttons follow every step's own controls in tab order.
inline constexpr int kButtonTabBase = 10000;
inline constexpr std::string_view kHeadingFont = "Times New Roman";
}  // namespace layout

// A control placed at its designed bounds, with its caption.
template <class T>
T& Placed(T& control, Bounds bounds) {
  control.Move(bounds.left, bounds.top, bounds.width, bounds.height);
  return control;
}
template <class T>
T& Placed(T& control, std::string_view caption, Bounds bounds) {
  control.SetCaption(std::string(caption));
  return Placed(control, bounds);
}

// The controls every step frame has.
struct StepFrame {
  forms::Frame& frame;
  forms::PictureBox& picture;
  forms::Label& heading;
  forms::CommandButton& cancel;
  forms::CommandButton& back;
  forms::CommandButton& next;
  forms::CommandButton& finish;
  forms::CommandButton& help;
};

struct StepFrameDesign {
  Step step;
  std::string_view picture;       // "picProjName"
  std::string_view buttonPrefix;  // "cmdProj" gives cmdProjNext, cmdProjBack, ...
  std::string_view heading;
  int32_t helpTopic;  // of the Help button (also F1 on it)
};

// Adds a step's frame (hidden until entered), picture, heading and the
// Cancel, Back, Next, Finish and Help buttons. Cancel runs the window's
// cancel flow and Help opens the step's topic; Next, Back and Finish are
// the group's to wire (a Finish left unwired is disabled by the group).
StepFrame AddStepFrame(FrmVerbsmith& window, const StepFrameDesign& design);

}  // namespace verbsmith

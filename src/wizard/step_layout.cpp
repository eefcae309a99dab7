#include "wizard/step_layout.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

forms::CommandButton& AddButton(FrmVerbsmith& window, forms::Frame& frame, const StepFrameDesign& design,
                                std::string_view role, std::string_view caption, int32_t left, int order) {
  auto& button =
      Placed(window.Add<forms::CommandButton>(std::string(design.buttonPrefix) + std::string(role), frame),
             caption, {left, layout::kButtonTop, layout::kButtonWidth, layout::kButtonHeight});
  button.SetTabIndex(layout::kButtonTabBase + order);
  return button;
}

}  // namespace

StepFrame AddStepFrame(FrmVerbsmith& window, const StepFrameDesign& design) {
  auto& frame = window.Add<forms::Frame>(std::string(StepFrameName(design.step)));
  frame.Move(layout::kFrameLeft, layout::kFrameTop, layout::kFrameWidth, layout::kFrameHeight);
  frame.SetVisible(false);
  auto& picture = Placed(window.Add<forms::PictureBox>(std::string(design.picture), frame), layout::kPicture);
  std::string headingName = "lbl" + std::string(design.picture.substr(3)) + "Heading";
  auto& heading = Placed(window.Add<forms::Label>(headingName, frame), design.heading, layout::kHeading);
  heading.SetFontName(std::string(layout::kHeadingFont));

  // Tab order along the row as it reads: Cancel, Back, Next, Finish, Help.
  StepFrame controls{
      .frame = frame,
      .picture = picture,
      .heading = heading,
      .cancel = AddButton(window, frame, design, "Cancel", text::kCancel, layout::kCancelLeft, 0),
      .back = AddButton(window, frame, design, "Back", text::kBackButton, layout::kBackLeft, 1),
      .next = AddButton(window, frame, design, "Next", text::kNextButton, layout::kNextLeft, 2),
      .finish = AddButton(window, frame, design, "Finish", text::kFinishButton, layout::kFinishLeft, 3),
      .help = AddButton(window, frame, design, "Help", text::kHelpButton, layout::kHelpLeft, 4),
  };
  controls.finish.SetEnabled(false);
  controls.cancel.onClick = [&window] { window.CancelWizard(); };
  window.SetHelpTopic(controls.help, design.helpTopic);
  controls.help.onClick = [&window, topic = design.helpTopic] { window.ShowHelpTopic(topic); };
  return controls;
}

}  // namespace verbsmith

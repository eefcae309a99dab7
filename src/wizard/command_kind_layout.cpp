// The classification, modeless, listener and command-type steps' controls
// as designed.

#include "base/texts.h"
#include "model/masks.h"
#include "wizard/command_kind_steps.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

// A two-line explanation under the heading.
constexpr Bounds kExplanation{2400, 840, 5880, 495};
// Choices sit indented under their explanation.
constexpr int32_t kChoiceLeft = 2640;
constexpr int32_t kChoiceWidth = 4200;
constexpr int32_t kChoiceHeight = 255;
constexpr int32_t kChoicePitch = 360;

}  // namespace

void CommandKindSteps::BuildComClass() {
  StepFrame& step = AddStep({Step::kComClass, "picComClass", "cmdComClass", text::kComClassHeading, 550});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblModalExplanation", frame), text::kModalExplanation, kExplanation);
  modal_ = &Placed(w.Add<forms::OptionButton>("optComClassModal", frame), text::kOptComClassModal,
                   {kChoiceLeft, 1440, kChoiceWidth, kChoiceHeight});
  Placed(w.Add<forms::Label>("lblModelessExplanation", frame), text::kModelessExplanation,
         {2400, 1920, 5880, 855});
  modeless_ = &Placed(w.Add<forms::OptionButton>("optComClassModeless", frame), text::kOptComClassModeless,
                      {kChoiceLeft, 2880, kChoiceWidth, kChoiceHeight});
  modal_->SetValue(true);

  w.SetHelpTopic(*modal_, 230);
  w.SetHelpTopic(*modeless_, 240);
}

void CommandKindSteps::BuildModeless() {
  StepFrame& step = AddStep({Step::kModeless, "picModeless", "cmdModeless", text::kModelessHeading, 570});
  auto& w = window_;
  Placed(w.Add<forms::Label>("lblModelessStepExplanation", step.frame), text::kModelessStepExplanation,
         kExplanation);
  mapViewListener_ =
      &Placed(w.Add<forms::CheckBox>("chkModelessMapViewListener", step.frame),
              text::kChkModelessMapViewListener, {kChoiceLeft, 1560, kChoiceWidth, kChoiceHeight});
  w.SetHelpTopic(*mapViewListener_, 310);
}

void CommandKindSteps::BuildListener() {
  StepFrame& step = AddStep({Step::kListener, "picListener", "cmdListener", text::kListenerHeading, 580});
  auto& w = window_;
  Placed(w.Add<forms::Label>("lblListenerExplanation", step.frame), text::kListenerExplanation, kExplanation);
  constexpr int kTopics[] = {320, 330, 340};
  int32_t top = 1560;
  for (size_t i = 0; i < listenerOptions_.size(); ++i, top += kChoicePitch) {
    const masks::ListenerOption& option = masks::kListenerOptions[i];
    listenerOptions_[i] = &Placed(w.Add<forms::OptionButton>(std::string(option.option), step.frame),
                                  option.caption, {kChoiceLeft, top, kChoiceWidth, kChoiceHeight});
    w.SetHelpTopic(*listenerOptions_[i], kTopics[i]);
  }
  newViews_ = &Placed(w.Add<forms::CheckBox>(std::string(masks::kNewViewsCheckBox), step.frame),
                      masks::kNewViewsCaption, {kChoiceLeft, top + 240, kChoiceWidth, kChoiceHeight});
  w.SetHelpTopic(*newViews_, 350);
  // A new listener listens to every map view and hears of new ones.
  listenerOptions_[2]->SetValue(true);
  newViews_->SetValue(forms::check::kChecked);
}

void CommandKindSteps::BuildCommandType() {
  StepFrame& step =
      AddStep({Step::kCommandType, "picCommandType", "cmdCommandType", text::kCommandTypeHeading, 590});
  auto& w = window_;
  Placed(w.Add<forms::Label>("lblCommandTypeExplanation", step.frame), text::kCommandTypeExplanation,
         kExplanation);
  // Two options on each of three panels, in the order the options are tested.
  constexpr int kTopics[] = {360, 370, 380, 390, 400, 410};
  constexpr int32_t kPanelTop = 1500;
  constexpr int32_t kPanelHeight = 780;
  constexpr int32_t kPanelPitch = 900;
  forms::PictureBox* panel = nullptr;
  for (size_t i = 0; i < commandTypes_.size(); ++i) {
    const int32_t row = static_cast<int32_t>(i % 2);
    if (row == 0) {
      const auto index = static_cast<int32_t>(i / 2);
      panel = &Placed(w.Add<forms::PictureBox>("picCommandTypePanel" + std::to_string(index + 1), step.frame),
                      {2400, kPanelTop + index * kPanelPitch, 5880, kPanelHeight});
    }
    const masks::CommandTypeOption& option = masks::kCommandTypeOptions[i];
    commandTypes_[i] = &Placed(w.Add<forms::OptionButton>(std::string(option.option), *panel), option.caption,
                               {240, 120 + row * 300, kChoiceWidth, kChoiceHeight});
    w.SetHelpTopic(*commandTypes_[i], kTopics[i]);
  }
}

}  // namespace verbsmith

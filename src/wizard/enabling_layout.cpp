// The enabling-conditions step's controls as designed: the custom box, and
// the 29 standard boxes on an inner picture box taller than the visible one,
// scrolled by a scroll bar.

#include "base/texts.h"
#include "wizard/enabling_step.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

constexpr Bounds kVisibleList{2400, 2160, 5640, 2700};
constexpr int32_t kScrollWidth = 240;
constexpr int32_t kBoxLeft = 120;
constexpr int32_t kBoxWidth = 5340;
constexpr int32_t kBoxHeight = 255;
constexpr int32_t kBoxPitch = 300;
// The caption joining two conditions takes two lines.
constexpr int32_t kTwoLineExtra = 210;
constexpr int kConditionTopic = 430;

bool HasConditionTopic(std::string_view box) {
  return box == "chkDataviewActive" || box == "chkDataviewColumnsSelected" ||
         box == "chkDataviewOneColumnSelected" || box == "chkDataviewOneRowSelected" ||
         box == "chkMapViewIsActive";
}

}  // namespace

void EnablingStep::Build() {
  StepFrame& step = AddStep({Step::kEnablingConditions, "picEnablingConditions", "cmdEnablingConditions",
                             text::kEnablingConditionsHeading, 600});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblEnablingExplanation", frame), text::kEnablingExplanation,
         {2400, 840, 5880, 855});
  custom_ = &Placed(w.Add<forms::CheckBox>(std::string(masks::kCustomEnablingCheckBox), frame),
                    masks::kCustomEnablingCaption, {2400, 1800, 4200, kBoxHeight});
  w.SetHelpTopic(*custom_, 420);

  outer_ = &Placed(w.Add<forms::PictureBox>("Picture2", frame), kVisibleList);
  inner_ = &w.Add<forms::PictureBox>("Picture3", *outer_);
  int32_t top = kListMargin;
  for (size_t i = 0; i < standard_.size(); ++i) {
    const masks::EnablingCondition& condition = masks::kEnablingConditions[i];
    const int32_t height = condition.caption.size() > 60 ? kBoxHeight + kTwoLineExtra : kBoxHeight;
    standard_[i] = &Placed(w.Add<forms::CheckBox>(std::string(condition.checkBox), *inner_),
                           condition.caption, {kBoxLeft, top, kBoxWidth, height});
    if (HasConditionTopic(condition.checkBox)) w.SetHelpTopic(*standard_[i], kConditionTopic);
    top += height - kBoxHeight + kBoxPitch;
  }
  Placed(*inner_, {0, 0, kVisibleList.width - kListMargin, top + kListMargin});

  scroll_ =
      &Placed(w.Add<forms::VScrollBar>("VScroll1", frame),
              {kVisibleList.left + kVisibleList.width, kVisibleList.top, kScrollWidth, kVisibleList.height});
  scroll_->SetMin(0);
  scroll_->SetSmallChange(kBoxPitch);
  scroll_->SetLargeChange(kVisibleList.height - kBoxPitch);
}

}  // namespace verbsmith

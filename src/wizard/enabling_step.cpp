#include "wizard/enabling_step.h"

#include <algorithm>

#include "wizard/frm_verbsmith.h"
#include "wizard/recap.h"

namespace verbsmith {

EnablingStep::EnablingStep(FrmVerbsmith& window) : StepGroup(window) {
  Build();
  custom_->onClick = [this] { CustomClicked(); };
  for (forms::CheckBox* box : standard_) {
    box->onClick = [this, box] { StandardClicked(*box); };
    box->onGotFocus = [this, box] { ScrollIntoView(*box); };
  }
  // The wheel over the list scrolls it, as over its scroll bar.
  outer_->onMouseWheel = [this](int notches) {
    scroll_->ScrollBy(notches * kWheelBoxes * scroll_->SmallChange());
  };
  scroll_->onChange = [this] { Scrolled(); };
  scroll_->onScroll = [this] { Scrolled(); };
  Frame(Step::kEnablingConditions).next.onClick = [this] { Next(); };
}

void EnablingStep::Show(Step step, Direction) {
  IGeneralMgr& gen = *window_.GenMgr();
  if (gen.WizardPurpose() == purpose::kEdit) Decode(gen.CommandsEnablingConditions());
  ShowFrame(step);
  scroll_->SetMax(inner_->Height() - outer_->Height());
}

void EnablingStep::Decode(int32_t mask) {
  // The standard boxes first: once none is checked the custom box can be
  // set, and setting it last leaves the standard boxes' Enabled state right.
  const std::vector<std::string_view> set = masks::DecodeEnablingMask(mask);
  auto isSet = [&set](std::string_view name) { return std::find(set.begin(), set.end(), name) != set.end(); };
  for (forms::CheckBox* box : standard_) {
    box->SetValue(isSet(box->Name()) ? forms::check::kChecked : forms::check::kUnchecked);
  }
  custom_->SetValue(isSet(custom_->Name()) ? forms::check::kChecked : forms::check::kUnchecked);
}

void EnablingStep::CustomClicked() {
  const bool standardAllowed = !custom_->IsChecked();
  for (forms::CheckBox* box : standard_) box->SetEnabled(standardAllowed);
}

void EnablingStep::StandardClicked(const forms::CheckBox& box) {
  checkedCount_ = static_cast<int16_t>(checkedCount_ + (box.IsChecked() ? 1 : -1));
  // The custom box and the standard ones exclude each other.
  if (checkedCount_ == 1) custom_->SetEnabled(false);
  if (checkedCount_ == 0) custom_->SetEnabled(true);
}

void EnablingStep::Scrolled() {
  inner_->SetTop(-scroll_->Value());
}

void EnablingStep::ScrollIntoView(const forms::Control& box) {
  // A box with the focus is always in sight, so Space never toggles one the
  // user cannot see.
  const int32_t top = box.Top() - kListMargin;
  const int32_t bottom = box.Top() + box.Height() + kListMargin - outer_->Height();
  int32_t value = scroll_->Value();
  if (top < value) value = top;
  if (bottom > value) value = bottom;
  scroll_->SetValue(std::clamp<int32_t>(value, scroll_->Min(), scroll_->Max()));
}

void EnablingStep::Next() {
  window_.Go(Step::kEnablingConditions, Direction::kNext);
  recap::ShowTotal(window_);
}

void EnablingStep::Leave(Step step) {
  // On Back as on Next, so the specification always matches the boxes.
  IGeneralMgr& gen = *window_.GenMgr();
  const masks::EnablingEncoding encoding = masks::EncodeEnablingMask([this](std::string_view name) {
    if (name == custom_->Name()) return custom_->IsChecked();
    for (const forms::CheckBox* box : standard_) {
      if (box->Name() == name) return box->IsChecked();
    }
    return false;
  });
  gen.SetCommandsEnablingConditions(encoding.mask);
  gen.SetCommandsEnablingConditionsRecap(encoding.recap);
  recap::RebuildSummary(gen, window_.Spec());
  window_.HideStep(step);
}

}  // namespace verbsmith

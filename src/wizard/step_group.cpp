#include "wizard/step_group.h"

#include "wizard/frm_verbsmith.h"

namespace verbsmith {

StepFrame& StepGroup::AddStep(const StepFrameDesign& design) {
  auto& slot = frames_.at(static_cast<size_t>(design.step));
  slot.emplace(AddStepFrame(window_, design));
  const Step step = design.step;
  slot->next.onClick = [this, step] { window_.Go(step, Direction::kNext); };
  slot->back.onClick = [this, step] { window_.Go(step, Direction::kBack); };
  return *slot;
}

void StepGroup::ShowFrame(Step step) {
  ShowFrame(step, Frame(step).next);
}

void StepGroup::ShowFrame(Step step, forms::CommandButton& defaultButton) {
  StepFrame& frame = Frame(step);
  window_.ShowStep(frame.frame, frame.picture, defaultButton, frame.cancel);
}

void StepGroup::Show(Step step, Direction) {
  ShowFrame(step);
}

void StepGroup::Leave(Step step) {
  window_.HideStep(step);
}

}  // namespace verbsmith

#pragma once
// The enabling-conditions step: the conditions under which the Carthex
// application enables the command, or custom enabling requirements.

#include <array>
#include <cstdint>

#include "forms/form.h"
#include "model/masks.h"
#include "wizard/step_group.h"

namespace verbsmith {

class EnablingStep : public StepGroup {
 public:
  explicit EnablingStep(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // enabling_layout.cpp
  void Build();

  void Next();
  // Checks exactly the boxes a stored mask sets.
  void Decode(int32_t mask);
  void CustomClicked();
  void StandardClicked(const forms::CheckBox& box);
  void Scrolled();
  void ScrollIntoView(const forms::Control& box);

  // Space kept above the first box and below the last.
  static constexpr int32_t kListMargin = 60;
  // Boxes a notch of the mouse wheel scrolls.
  static constexpr int kWheelBoxes = 3;

  forms::CheckBox* custom_ = nullptr;
  // The standard boxes, in the order they are examined.
  std::array<forms::CheckBox*, masks::kEnablingConditions.size()> standard_{};
  forms::PictureBox* outer_ = nullptr;  // Picture2, the visible part
  forms::PictureBox* inner_ = nullptr;  // Picture3, the whole list
  forms::VScrollBar* scroll_ = nullptr;
  // How many standard boxes the user has checked.
  int16_t checkedCount_ = 0;
};

}  // namespace verbsmith

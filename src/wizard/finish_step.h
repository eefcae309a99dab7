#pragma once
// The finish step: what Finish will do, as the recap of the specification.

#include "forms/form.h"
#include "wizard/step_group.h"

namespace verbsmith {

class FinishStep : public StepGroup {
 public:
  explicit FinishStep(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;

 private:
  // Tells the session the recap box's lines, so a scripted run shows what
  // a person would read there.
  void ReportRecap();

  forms::Label* label3_ = nullptr;
  forms::TextBox* recap_ = nullptr;
};

}  // namespace verbsmith

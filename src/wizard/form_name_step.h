#pragma once
// The form step: the command's form name and position, or no form.

#include "wizard/step_group.h"

namespace verbsmith {

class FormNameStep : public StepGroup {
 public:
  explicit FormNameStep(FrmVerbsmith& window);
};

}  // namespace verbsmith

#pragma once
// The enabling-conditions step: the conditions under which the Carthex application enables the command.

#include "wizard/step_group.h"

namespace verbsmith {

class EnablingStep : public StepGroup {
 public:
  explicit EnablingStep(FrmVerbsmith& window);
};

}  // namespace verbsmith

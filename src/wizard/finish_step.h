#pragma once
// The finish step: the summary of what Finish will do.

#include "wizard/step_group.h"

namespace verbsmith {

class FinishStep : public StepGroup {
 public:
  explicit FinishStep(FrmVerbsmith& window);
};

}  // namespace verbsmith

#pragma once
// The steps that decide what kind of command is made: modal or modeless, whether it listens to map views,
// which views, and what kind of listener it is.

#include "wizard/step_group.h"

namespace verbsmith {

class CommandKindSteps : public StepGroup {
 public:
  explicit CommandKindSteps(FrmVerbsmith& window);
};

}  // namespace verbsmith

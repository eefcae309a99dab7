#pragma once
// The command-name step: the command's name, description and tool tip, or the registered command to edit or
// delete.

#include "wizard/step_group.h"

namespace verbsmith {

class CommandNameStep : public StepGroup {
 public:
  explicit CommandNameStep(FrmVerbsmith& window);
};

}  // namespace verbsmith

#pragma once
// The bitmap steps: no bitmap or custom bitmaps, and the four custom bitmap files.

#include "wizard/step_group.h"

namespace verbsmith {

class BitmapSteps : public StepGroup {
 public:
  explicit BitmapSteps(FrmVerbsmith& window);
};

}  // namespace verbsmith

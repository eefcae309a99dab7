#include "wizard/bitmap_steps.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

BitmapSteps::BitmapSteps(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kAddBMP, "picAddBMP", "cmdAddBMP", text::kAddBMPHeading, 530});
  AddStep({Step::kCustomBMP, "picCustomBMP", "cmdCustomBMP", text::kCustomBMPHeading, 540});
}

}  // namespace verbsmith

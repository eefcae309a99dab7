#include "wizard/finish_step.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

FinishStep::FinishStep(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kFinish, "picFinish", "cmdFinish", text::kFinishHeading, 610});
}

}  // namespace verbsmith

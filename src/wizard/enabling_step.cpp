#include "wizard/enabling_step.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

EnablingStep::EnablingStep(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kEnablingConditions, "picEnablingConditions", "cmdEnablingConditions",
           text::kEnablingConditionsHeading, 600});
}

}  // namespace verbsmith

#include "wizard/form_name_step.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

FormNameStep::FormNameStep(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kFormName, "picFormName", "cmdFrmName", text::kFormNameHeading, 560});
}

}  // namespace verbsmith

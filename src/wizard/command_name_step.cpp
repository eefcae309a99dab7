#include "wizard/command_name_step.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

CommandNameStep::CommandNameStep(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kCmdName, "picCmdName", "cmdCmdName", text::kCmdNameHeading, 520});
}

}  // namespace verbsmith

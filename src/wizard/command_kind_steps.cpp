#include "wizard/command_kind_steps.h"

#include "base/texts.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

CommandKindSteps::CommandKindSteps(FrmVerbsmith& window) : StepGroup(window) {
  AddStep({Step::kComClass, "picComClass", "cmdComClass", text::kComClassHeading, 550});
  AddStep({Step::kModeless, "picModeless", "cmdModeless", text::kModelessHeading, 570});
  AddStep({Step::kListener, "picListener", "cmdListener", text::kListenerHeading, 580});
  AddStep({Step::kCommandType, "picCommandType", "cmdCommandType", text::kCommandTypeHeading, 590});
}

}  // namespace verbsmith

// The command-name step's controls as designed.

#include "base/texts.h"
#include "wizard/command_name_step.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

void CommandNameStep::Build() {
  StepFrame& step = AddStep({Step::kCmdName, "picCmdName", "cmdCmdName", text::kCmdNameHeading, 520});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblCmdNameExplanation", frame), text::kCmdNameExplanation,
         {2400, 840, 5880, 255});
  label7_ = &Placed(w.Add<forms::Label>("Label7", frame), text::kCmdNameInstruction, {2400, 1200, 5880, 435});
  Placed(w.Add<forms::Label>("lblCmdName", frame), text::kCmdNameLabel, {2400, 1800, 5880, 255});
  // The list takes the name box's place for edit and delete; only one of the
  // two is ever visible.
  name_ = &Placed(w.Add<forms::TextBox>("txtCmdName", frame), {2400, 2070, 3960, 315});
  list_ = &Placed(w.Add<forms::ComboBox>("cboCmdName", frame), {2400, 2070, 3960, 315});
  list_->SetStyle(forms::combo::kDropdownList);
  list_->SetVisible(false);
  Placed(w.Add<forms::Label>("Label9", frame), text::kCmdDescriptionLabel, {2400, 2580, 5880, 255});
  description_ = &Placed(w.Add<forms::TextBox>("txtCmdDescription", frame), {2400, 2850, 5880, 315});
  Placed(w.Add<forms::Label>("Label45", frame), text::kCmdToolTipLabel, {2400, 3360, 5880, 255});
  toolTip_ = &Placed(w.Add<forms::TextBox>("txtCmdToolTip", frame), {2400, 3630, 5880, 315});

  // F1 in the two text boxes opens the topic of a new project's texts only
  // when creating one; the help context numbers are set when the step shows.
  auto creating = [&w] { return w.GenMgr() != nullptr && w.GenMgr()->WizardPurpose() == purpose::kCreate; };
  w.SetHelpTopic(*name_, 130);
  w.SetHelpTopic(*list_, 630);
  w.SetHelpTopic(*description_, 140, [creating] { return creating() ? 140 : 640; });
  w.SetHelpTopic(*toolTip_, 150, [creating] { return creating() ? 150 : 650; });
}

}  // namespace verbsmith

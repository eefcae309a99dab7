#include "wizard/command_name_step.h"

#include "base/identifier.h"
#include "base/messages.h"
#include "base/texts.h"
#include "generate/vs_main.h"
#include "platform/command_entry_check.h"
#include "platform/dialogs.h"
#include "wizard/command_name_rules.h"
#include "wizard/finish_flows.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

constexpr std::string_view kParagraph = "\r\n\r\n";

}  // namespace

CommandNameStep::CommandNameStep(FrmVerbsmith& window) : StepGroup(window) {
  Build();
  name_->onChange = [this] { NameChanged(); };
  list_->onDropDown = [this] { FillList(); };
  list_->onClick = [this] { CommandChosen(); };
  Frame(Step::kCmdName).next.onClick = [this] { Next(); };
  Frame(Step::kCmdName).back.onClick = [this] { Back(); };
  Frame(Step::kCmdName).finish.onClick = [this] { RunDeleteFlow(window_); };
}

void CommandNameStep::Show(Step, Direction direction) {
  ShowCmdName(direction);
}

void CommandNameStep::Leave(Step step) {
  StepGroup::Leave(step);
  window_.SetEmptyCmdName(false);
}

void CommandNameStep::ShowCmdName(Direction direction) {
  IGeneralMgr* gen = window_.GenMgr();
  StepFrame& step = Frame(Step::kCmdName);
  ShowFrame(Step::kCmdName);
  const int32_t purpose = gen->WizardPurpose();
  // What the fields hold was chosen for the purpose they were filled under:
  // a command picked for deletion has not rebuilt an edit's specification.
  if (direction == Direction::kNext && (window_.EmptyCmdName() || purpose != filledFor_)) {
    name_->SetText("");
    ClearList();
    description_->SetText("");
    toolTip_->SetText("");
  }
  filledFor_ = purpose;
  SetHelpTopics(purpose);
  if (purpose == purpose::kEdit || purpose == purpose::kDelete) {
    name_->SetVisible(false);
    list_->SetVisible(true);
    if (purpose == purpose::kEdit) {
      label7_->SetCaption(LoadResString(80));
      // An add run may have left them display-only; an edit types into them.
      description_->SetEnabled(true);
      toolTip_->SetEnabled(true);
    } else {
      label7_->SetCaption(LoadResString(79));
      description_->SetEnabled(false);
      toolTip_->SetEnabled(false);
      step.next.SetEnabled(false);
      step.finish.SetEnabled(false);
    }
  } else if (purpose == purpose::kAdd && gen->ProjectType() == projecttype::kVisualBasic) {
    ShowAddOfVBProject();
  } else {
    name_->SetVisible(true);
    list_->SetVisible(false);
    name_->SetEnabled(true);
    description_->SetEnabled(true);
    toolTip_->SetEnabled(true);
    label7_->SetCaption(LoadResString(16));
  }
}

void CommandNameStep::SetHelpTopics(int32_t purpose) {
  const bool typed = purpose == purpose::kCreate || purpose == purpose::kAdd;
  name_->SetHelpContextID(130);
  description_->SetHelpContextID(typed ? 140 : 640);
  toolTip_->SetHelpContextID(typed ? 150 : 650);
  list_->SetHelpContextID(purpose == purpose::kDelete ? 660 : 630);
}

void CommandNameStep::NameChanged() {
  const std::string& name = name_->Text();
  if (auto* cls = window_.ClassMgr()) cls->SetClassname(name);
  if (auto* module = window_.ModuleMgr()) module->SetModuleName("mod" + name);
  if (auto* form = window_.FormMgr()) form->SetFormName("frm" + name);
}

void CommandNameStep::ClearList() {
  // Leaving the selection first empties the list's text with it.
  if (list_->ListIndex() >= 0) list_->SetListIndex(-1);
  list_->Clear();
}

void CommandNameStep::Refuse(const std::string& message, forms::Control& control) {
  window_.Message(message, mb::kExclamation);
  control.SetFocus();
}

void CommandNameStep::Next() {
  IGeneralMgr* gen = window_.GenMgr();
  IClassMgr* cls = window_.ClassMgr();
  const int32_t purpose = gen->WizardPurpose();
  const bool addOfVBProject = purpose == purpose::kAdd && gen->ProjectType() == projecttype::kVisualBasic;
  if (purpose == purpose::kEdit && list_->Text().empty()) return Refuse(LoadResString(17), *list_);
  if (purpose == purpose::kCreate && name_->Text().empty()) return Refuse(LoadResString(17), *name_);
  if (addOfVBProject && (description_->Text().empty() || toolTip_->Text().empty())) {
    // The project's registration is wrong: only recompiling it helps.
    const int missing = description_->Text().empty() ? 20 : 22;
    window_.Message(FrmVerbsmith::Messages({missing, 21}, kParagraph), mb::kExclamation);
    Frame(Step::kCmdName).next.SetEnabled(false);
    return;
  }
  if (description_->Text().empty()) return Refuse(LoadResString(20), *description_);
  if (toolTip_->Text().empty()) return Refuse(LoadResString(22), *toolTip_);
  // An entry another program stored may hold what no one could type here.
  for (forms::TextBox* box : {description_, toolTip_}) {
    const auto problem = EntryTextProblem(box == description_ ? "Description" : "ToolTip", box->Text());
    if (problem && box->Enabled()) return Refuse(*problem, *box);
  }
  cls->SetCommandToolTip(toolTip_->Text());
  cls->SetCommandDesc(description_->Text());
  gen->SetProjectDesc("Command: " + std::string(" ") + toolTip_->Text());
  if (purpose == purpose::kCreate && !CheckNewCommand()) return;
  if (purpose == purpose::kAdd && gen->ProjectType() == projecttype::kOther &&
      !(RefuseNonIdentifier() && FindOtherProjectCommand())) {
    return;
  }
  window_.Go(Step::kCmdName, Direction::kNext);
}

bool CommandNameStep::CheckNewCommand() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  IClassMgr* cls = window_.ClassMgr();
  if (FileExists(host, cls->CompleteFilename())) {
    window_.Message(FrmVerbsmith::Messages({26, 24}, kParagraph), mb::kExclamation);
    return false;
  }
  bool unique = true;
  gen->IsCommandUnique(unique);
  if (!unique && window_.Message(LoadResString(25) + "\r\n" + LoadResString(26) + std::string(kParagraph) +
                                     LoadResString(27),
                                 mb::kExclamation | mb::kYesNo) == mbresult::kNo) {
    return false;
  }
  int reason = 0;
  if (!IsValidProgID(gen->ProjectName() + "." + cls->Classname(), reason)) {
    window_.Message(InvalidProgIDMessage(reason), mb::kExclamation);
    return false;
  }
  // What the ProgID rules let through (a period, a leading digit, letters
  // outside ASCII) still makes files and ProgIDs that do not work.
  if (!RefuseNonIdentifier()) return false;
  bool namesUnique = true;
  gen->NamesUnique(namesUnique);
  if (!namesUnique) {
    window_.Message(LoadResString(25), mb::kOKOnly);
    return false;
  }
  return true;
}

bool CommandNameStep::RefuseNonIdentifier() {
  if (IsIdentifier(name_->Text())) return true;
  Refuse(std::string(text::kCommandNameNotIdentifier), *name_);
  return false;
}

void CommandNameStep::Back() {
  const Step target = window_.Target(Step::kCmdName, Direction::kBack);
  if (target == Step::kIntro) {
    description_->SetEnabled(true);
    toolTip_->SetEnabled(true);
    Frame(Step::kCmdName).next.SetEnabled(true);
    Frame(Step::kCmdName).finish.SetEnabled(false);
    label7_->SetCaption(LoadResString(16));
  }
  window_.GoTo(Step::kCmdName, target, Direction::kBack);
}

}  // namespace verbsmith

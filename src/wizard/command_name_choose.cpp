// The command-name step for edit and delete: the command set's entries in
// the list, and the specification rebuilt from the chosen one.

#include "base/messages.h"
#include "base/win_path.h"
#include "generate/vs_main.h"
#include "model/command_spec_mapping.h"
#include "model/registry_lookups.h"
#include "platform/dialogs.h"
#include "wizard/command_name_rules.h"
#include "wizard/command_name_step.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/recap.h"

namespace verbsmith {

std::unique_ptr<CommandSet> CommandNameStep::OpenCommandSet() {
  std::unique_ptr<CommandSet> set = window_.GetHost().commandSets.Create();
  set->OpenCommandSet(window_.GenMgr()->CompanyName(), window_.GenMgr()->ApplicationName());
  return set;
}

CommandEntry CommandNameStep::EntryNumber(CommandSet& set, int32_t n) {
  return GetCommand(set, kFirstCommandId + n);
}

void CommandNameStep::FillList() {
  Host& host = window_.GetHost();
  ClearList();
  name_->SetText("");
  description_->SetText("");
  toolTip_->SetText("");
  Frame(Step::kCmdName).finish.SetEnabled(false);
  try {
    std::unique_ptr<CommandSet> set = OpenCommandSet();
    const int16_t count = set->CommandCount();
    for (int32_t i = 0; i < count; ++i) list_->AddItem(ClassPartOfProgID(EntryNumber(*set, i).progId));
  } catch (const VbError& error) {
    // The list keeps what was read; the user learns why it stops there.
    host.err.Set(error);
    ReportError(host, error.Description());
  }
}

void CommandNameStep::CommandChosen() {
  if (list_->ListIndex() < 0) return;
  CommandEntry entry;
  try {
    std::unique_ptr<CommandSet> set = OpenCommandSet();
    std::optional<CommandEntry> chosen = set->FindCommand(kFirstCommandId + list_->ListIndex());
    if (!chosen) return;
    entry = std::move(*chosen);
  } catch (const VbError& error) {
    window_.GetHost().err.Set(error);
    name_->SetText("");
    ClearList();
    return;
  }
  if (entry.progId.empty()) return;
  if (window_.GenMgr()->WizardPurpose() == purpose::kDelete) return ChooseForDelete(entry);
  ChooseForEdit(entry);
}

bool CommandNameStep::UsableServer(const std::string& progId, std::string& serverPath) {
  serverPath = ServerPathFromProgID(window_.GetHost(), progId);
  if (serverPath != kRegistryLookupError && progId.find('.') == std::string::npos) {
    window_.UntitledMessage(LoadResString(14), mb::kOKOnly);
    Frame(Step::kCmdName).next.SetEnabled(false);
    serverPath = kRegistryLookupError;
  }
  if (serverPath != kRegistryLookupError) return true;
  name_->SetText("");
  ClearList();
  return false;
}

void CommandNameStep::ChooseForDelete(const CommandEntry& entry) {
  StepFrame& step = Frame(Step::kCmdName);
  step.finish.SetEnabled(false);
  std::string serverPath;
  if (!UsableServer(entry.progId, serverPath)) return;
  if (!entry.description.empty() && !entry.toolTip.empty()) {
    description_->SetText(entry.description);
    toolTip_->SetText(entry.toolTip);
    step.finish.SetEnabled(true);
  }
}

void CommandNameStep::ChooseForEdit(const CommandEntry& entry) {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  CommandSpec spec = window_.Spec();
  ReadEntry(entry, spec);
  StoreEntryPart(spec, *gen, *window_.BitmapMgr());
  recap::ResetListenerPieces(*gen, spec.isMapViewListener);

  std::string serverPath;
  if (!UsableServer(entry.progId, serverPath)) return;
  SetDirectoriesOfServer(serverPath);

  const std::string classname = list_->Text();
  window_.ClassMgr()->SetClassname(classname);
  window_.ModuleMgr()->SetModuleName("mod" + classname);
  window_.FormMgr()->SetFormName("frm" + classname);
  gen->SetProjectName(entry.progId.substr(0, entry.progId.find('.')));

  const std::string projectFile = gen->CurrentPathSrc() + gen->ProjectName() + ".vbp";
  if (!FileExists(host, projectFile)) {
    window_.UntitledMessage(LoadResString(11), mb::kExclamation);
    Frame(Step::kCmdName).next.SetEnabled(false);
    return;
  }
  gen->SetCompleteProjFilename(projectFile);

  if (!entry.description.empty() && !entry.toolTip.empty()) {
    description_->SetText(entry.description);
    toolTip_->SetText(entry.toolTip);
  } else {
    window_.UntitledMessage(LoadResString(13), mb::kOKOnly);
  }
}

void CommandNameStep::SetDirectoriesOfServer(const std::string& serverPath) {
  IGeneralMgr* gen = window_.GenMgr();
  const ProjectDirectories directories = DirectoriesOfServer(serverPath);
  gen->SetCurrentPathBin(directories.bin);
  gen->SetCurrentPath(directories.path);
  gen->SetCurrentPathSrc(directories.src);
}

}  // namespace verbsmith

// The command-name step for adding the current project's command: read from
// a Visual Basic project and its registration, or, for another kind of
// project, found in the command set or the registry by its class name.

#include "base/messages.h"
#include "base/strings.h"
#include "generate/line_buffer.h"
#include "generate/vs_main.h"
#include "model/registry_lookups.h"
#include "platform/dialogs.h"
#include "wizard/command_name_rules.h"
#include "wizard/command_name_step.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/project_lookups.h"

namespace verbsmith {

namespace {

constexpr std::string_view kClassLine = "Class=";
constexpr std::string_view kExposedAttribute = "Attribute VB_Exposed = ";

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The project file's lines; a file that cannot be read gives none (reading
// the project already told the user).
std::vector<std::string> ProjectLines(Host& host, const std::string& path) {
  try {
    return SplitTextLines(host.fs.ReadText(path));
  } catch (const VbError&) {
    return {};
  }
}

// Whether the class file declares its class public; a file that cannot be
// read is reported and counts as not public.
bool IsExposedClass(Host& host, const std::string& path) {
  std::string message = LoadResString(114);
  try {
    for (const std::string& line : SplitTextLines(host.fs.ReadText(path))) {
      if (line.find(kExposedAttribute) != std::string::npos) return line.find("True") != std::string::npos;
    }
  } catch (const VbError& error) {
    host.err.Set(error);
    ReportError(host, error.Description(), &message);
  }
  return false;
}

// Asks whether to overwrite the entry the command set already holds.
bool OverwriteExisting(FrmVerbsmith& window) {
  return window.Message(FrmVerbsmith::Messages({26, 34}, "\r\n\r\n"), mb::kInformation | mb::kYesNo) ==
         mbresult::kYes;
}

}  // namespace

void CommandNameStep::ShowAddOfVBProject() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  IClassMgr* cls = window_.ClassMgr();
  StepFrame& step = Frame(Step::kCmdName);
  cls->SetClassname("");
  cls->SetClassFilename("");
  cls->SetCommandDesc("");
  cls->SetCommandToolTip("");
  gen->ReadProject();

  const std::string entry = GetPublicClass();
  name_->SetVisible(true);
  list_->SetVisible(false);
  label7_->SetCaption(LoadResString(81));
  name_->SetEnabled(false);
  description_->SetEnabled(false);
  toolTip_->SetEnabled(false);
  const size_t semicolon = entry.find(';');
  if (semicolon == std::string::npos) {
    window_.UntitledMessage(LoadResString(35), mb::kExclamation);
    return;
  }
  const std::string classname = entry.substr(0, semicolon);
  name_->SetText(classname);
  cls->SetClassname(classname);
  // Visual Basic writes a blank after the ";", the wizard's own projects do
  // not: the file name is what follows, blanks trimmed.
  cls->SetClassFilename(std::string(Trim(entry.substr(semicolon + 1))));

  const std::string progId = gen->ProjectName() + "." + classname;
  const std::string registered = DescriptionFromProgID(host, progId);
  if (registered == kRegistryLookupError) step.next.SetEnabled(false);
  SeparateCommandDescriptoinAndToolTip(registered);
  description_->SetText(cls->CommandDesc());
  toolTip_->SetText(cls->CommandToolTip());

  try {
    std::unique_ptr<CommandSet> set = OpenCommandSet();
    const int16_t count = set->CommandCount();
    for (int32_t i = 0; i < count; ++i) {
      if (EntryNumber(*set, i).progId != progId) continue;
      if (!OverwriteExisting(window_)) step.next.SetEnabled(false);
    }
  } catch (const VbError& error) {
    host.err.Set(error);
    ReportError(host, error.Description());
  }
}

std::string CommandNameStep::GetPublicClass() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  Frame(Step::kCmdName).next.SetEnabled(true);
  for (const std::string& line : ProjectLines(host, gen->CompleteProjFilename())) {
    if (!line.starts_with(kClassLine)) continue;
    const size_t semicolon = line.find(';');
    const std::string file = semicolon == std::string::npos ? "" : Trimmed(line.substr(semicolon + 1));
    if (IsExposedClass(host, gen->CurrentPathSrc() + file)) return line.substr(line.find('=') + 1);
  }
  ReportError(host, LoadResString(116) + "  " + LoadResString(117));
  Frame(Step::kCmdName).next.SetEnabled(false);
  return "";
}

void CommandNameStep::SeparateCommandDescriptoinAndToolTip(const std::string& text) {
  const auto parts = SplitRegisteredDescription(text);
  if (!parts) return;
  window_.ClassMgr()->SetCommandDesc(parts->description);
  window_.ClassMgr()->SetCommandToolTip(parts->toolTip);
}

bool CommandNameStep::FindOtherProjectCommand() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  StepFrame& step = Frame(Step::kCmdName);
  std::string classname = window_.ClassMgr()->Classname();
  std::string progId;
  bool found = false;
  try {
    std::unique_ptr<CommandSet> set = OpenCommandSet();
    const int16_t count = set->CommandCount();
    for (int32_t i = 0; i < count && !found; ++i) {
      const CommandEntry entry = EntryNumber(*set, i);
      if (ClassPartOfProgID(entry.progId) != classname) continue;
      found = true;
      progId = entry.progId;
    }
  } catch (const VbError& error) {
    host.err.Set(error);
    ReportError(host, error.Description());
    return false;
  }
  if (found && !OverwriteExisting(window_)) {
    step.next.SetEnabled(false);
    return false;
  }
  if (!found) progId = FindProgID(host, window_.Runtime(), classname);
  if (progId.empty()) {
    window_.Message(LoadResString(35), mb::kExclamation);
    return false;
  }
  const std::string serverPath = ServerPathFromProgID(host, progId);
  if (serverPath == kRegistryLookupError || progId.find('.') == std::string::npos) {
    window_.Message(LoadResString(serverPath == kRegistryLookupError ? 36 : 14), mb::kOKOnly);
    step.next.SetEnabled(false);
    return false;
  }
  SetDirectoriesOfServer(serverPath);
  if (!FileExists(host, gen->CurrentPathSrc(), attr::kDirectory)) {
    window_.Message(LoadResString(37), mb::kOKOnly);
    gen->SetCurrentPathSrc(gen->CurrentPathBin());
    if (!FileExists(host, gen->CurrentPathSrc(), attr::kDirectory)) {
      window_.Message(FrmVerbsmith::Messages({37, 38, 39}, "\r\n\r\n"), mb::kOKOnly);
      step.next.SetEnabled(false);
      return false;
    }
  }
  // The command registers under the ProgID found: its project and class
  // names are that ProgID's, not the defaults of a run that had no project
  // step.
  gen->SetProjectName(progId.substr(0, progId.find('.')));
  name_->SetText(ClassPartOfProgID(progId));
  return true;
}

}  // namespace verbsmith

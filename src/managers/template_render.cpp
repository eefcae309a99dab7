#include "managers/template_render.h"

#include <optional>

#include "managers/manager_set.h"

namespace verbsmith {

namespace {

// The mask values that ask for the custom hooks, and the ordinary ones used
// otherwise (listen to the active map view; no extra enabling condition).
constexpr int32_t kCustomEnabling = 1;
constexpr int32_t kCustomStartup = 1;
constexpr int32_t kActiveMapView = 2;

// Keeps the message boxes the managers show instead of asking anybody.
class CollectingDialogs : public Dialogs {
 public:
  int MsgBox(const std::string& prompt, int, const std::optional<std::string>&) override {
    prompts.push_back(prompt);
    return mbresult::kOK;
  }
  std::optional<FileOpenResult> ShowOpen(const FileOpenRequest&) override { return std::nullopt; }
  void SendKeys(const std::string&) override {}
  void DoEvents() override {}
  void ShowHelpTopic(const std::string&, int) override {}
  long ShellOpen(const std::string&) override { return 0; }

  std::vector<std::string> prompts;
};

}  // namespace

std::string RenderOptions::Describe() const {
  std::string text = commandIsModeless ? "modeless" : "modal";
  text += formNotRequired ? ", no form" : ", form position " + std::to_string(formPosition);
  if (isMapViewListener) text += ", listener";
  if (customEnabling) text += ", custom enabling";
  if (customStartup) text += ", custom start-up";
  return text;
}

std::vector<std::string> RenderInto(Host& host, StagedFileSystem& staged, const RenderOptions& options,
                                    const std::string& templateDir, const std::string& projectDir) {
  CollectingDialogs dialogs;
  Host local = host.With(static_cast<FileSystem&>(staged)).With(dialogs);
  local.templateDirectory = templateDir;

  ManagerSet managers(local);
  managers.Renew();
  // No environment takes part: the managers have recorded its absence,
  // which matters to nobody here.
  host.err.Clear();
  GeneralMgrClass& gen = managers.General();
  ClassMgrClass& cls = managers.Class();
  ModuleMgrClass& module = managers.Module();
  FormMgrClass& form = managers.Form();

  // One that cannot be made is reported by the copies into it.
  MakeDirectoryIfMissing(staged, projectDir + "src\\");
  MakeDirectoryIfMissing(staged, projectDir + "bin\\");
  gen.SetCurrentPath(projectDir);
  gen.SetCurrentPathSrc(projectDir + "src\\");
  gen.SetCurrentPathBin(projectDir + "bin\\");
  gen.SetProjectName(options.projectName);
  gen.SetProjectDesc(options.ProjectDesc());
  gen.SetWizardPurpose(purpose::kCreate);
  gen.SetCommandIsModeless(options.commandIsModeless);
  gen.SetFormNotRequired(options.formNotRequired);
  gen.SetIsMapViewListener(options.isMapViewListener);
  gen.SetCommandsEnablingConditions(options.customEnabling ? kCustomEnabling : 0);
  gen.SetViewListener(options.customStartup ? kCustomStartup
                                            : (options.isMapViewListener ? kActiveMapView : 0));

  cls.SetClassname(options.commandName);
  cls.SetCommandDesc(options.description);
  cls.SetCommandToolTip(options.toolTip);
  module.SetModuleName(options.commandName);
  form.SetFormName(options.FormName());
  form.SetFormPosition(options.formPosition);

  gen.CopyTemplate();
  module.ReadModule();
  module.ModifyModule();
  module.WriteModule();
  cls.ReadClass();
  cls.ModifyClass();
  cls.WriteClass();
  if (!options.formNotRequired) {
    form.ReadForm();
    form.ModifyForm();
    form.WriteForm();
  }
  gen.ReadProject();
  gen.ModifyProject();
  gen.WriteModifiedProject();
  return dialogs.prompts;
}

std::vector<std::string> RenderCommand(Host& host, const RenderOptions& options,
                                       const std::string& templateDir, const std::string& projectDir) {
  StagedFileSystem staged(host.fs);
  std::vector<std::string> shown = RenderInto(host, staged, options, templateDir, projectDir);
  if (!shown.empty()) return shown;
  try {
    staged.Commit();
  } catch (const VbError& e) {
    shown.push_back("Cannot write the project: " + e.Description());
  }
  return shown;
}

}  // namespace verbsmith

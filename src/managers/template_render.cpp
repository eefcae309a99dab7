#include "managers/template_render.h"

#include <optional>

#include "base/messages.h"
#include "managers/manager_set.h"
#include "model/command_spec_mapping.h"

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

// The specification of a create run with these answers, over the fresh
// managers' own.
CommandSpec SpecToRender(const RenderOptions& options, const std::string& projectDir, CommandSpec spec) {
  spec.currentPath = projectDir;
  spec.currentPathSrc = projectDir + "src\\";
  spec.currentPathBin = projectDir + "bin\\";
  spec.projectName = options.projectName;
  spec.projectDesc = options.ProjectDesc();
  spec.wizardPurpose = purpose::kCreate;
  spec.commandIsModeless = options.commandIsModeless;
  spec.formNotRequired = options.formNotRequired;
  spec.isMapViewListener = options.isMapViewListener;
  spec.commandsEnablingConditions = options.customEnabling ? kCustomEnabling : 0;
  spec.viewListener =
      options.customStartup ? kCustomStartup : (options.isMapViewListener ? kActiveMapView : 0);
  spec.classname = options.commandName;
  spec.commandDesc = options.description;
  spec.commandToolTip = options.toolTip;
  spec.moduleName = options.commandName;
  spec.formName = options.FormName();
  spec.formPosition = options.formPosition;
  return spec;
}

}  // namespace

std::string RenderOptions::Describe() const {
  std::string text = commandIsModeless ? "modeless" : "modal";
  text += formNotRequired ? ", no form" : ", form position " + std::to_string(formPosition);
  if (isMapViewListener) text += ", listener";
  if (customEnabling) text += ", custom enabling";
  if (customStartup) text += ", custom start-up";
  return text;
}

RenderOutcome RenderInto(Host& host, StagedFileSystem& staged, const RenderOptions& options,
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
  StoreSpec(SpecToRender(options, projectDir, gen.Spec()), gen, cls, module, form, managers.Bitmap());

  const StageOutcome copied = gen.CopyTemplate();
  for (const int message : copied.messages) dialogs.prompts.push_back(LoadResString(message));
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
  const bool succeeded = !copied.failed && dialogs.prompts.empty();
  return {std::move(dialogs.prompts), succeeded};
}

RenderOutcome RenderCommand(Host& host, const RenderOptions& options, const std::string& templateDir,
                            const std::string& projectDir) {
  StagedFileSystem staged(host.fs);
  RenderOutcome outcome = RenderInto(host, staged, options, templateDir, projectDir);
  if (!outcome.succeeded) return outcome;
  try {
    staged.Commit();
  } catch (const VbError& e) {
    outcome.messages.push_back("Cannot write the project: " + e.Description());
    outcome.succeeded = false;
  }
  return outcome;
}

}  // namespace verbsmith

#include "model/template_render.h"

#include <optional>

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "model/general_mgr_class.h"

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

// The connection object of one render: the managers by name.
class RenderConnection : public IConnection {
 public:
  GeneralMgrClass* gen = nullptr;
  ModuleMgrClass* module = nullptr;
  ClassMgrClass* cls = nullptr;
  FormMgrClass* form = nullptr;

  IGeneralMgr* GenMgr() const override { return gen; }
  IModuleMgr* ModuleMgr() const override { return module; }
  IClassMgr* ClassMgr() const override { return cls; }
  IFormMgr* FormMgr() const override { return form; }
  IBitmapMgr* BitmapMgr() const override { return nullptr; }
  Ide* VBInst() const override { return nullptr; }
};

void MakeDirectoryIfMissing(Host& host, const std::string& path) {
  try {
    host.fs.MakeDirectory(path);
  } catch (const VbError&) {
    // Already there, or not makeable: the copies report the latter.
  }
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

std::vector<std::string> RenderCommand(Host& host, const RenderOptions& options,
                                       const std::string& templateDir, const std::string& projectDir) {
  CollectingDialogs dialogs;
  Host local{host.fs,     host.registry,    host.profiles, host.settings,       host.processes, dialogs,
             host.screen, host.commandSets, host.err,      host.addInDirectory, templateDir};

  LineBuffer lines;
  GeneralMgrClass gen(local, lines);
  ClassMgrClass cls(local, lines);
  ModuleMgrClass module(local, lines);
  FormMgrClass form(local, lines);
  RenderConnection connection;
  connection.gen = &gen;
  connection.module = &module;
  connection.cls = &cls;
  connection.form = &form;
  gen.InitializeObjects(&connection);
  cls.InitializeObjects(&connection);
  form.InitializeObjects(&connection);
  module.InitializeObjects(&connection);
  // No bitmap manager or environment takes part: the general manager has
  // recorded their absence, which matters to nobody here.
  host.err.Clear();

  MakeDirectoryIfMissing(local, projectDir + "src\\");
  MakeDirectoryIfMissing(local, projectDir + "bin\\");
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

}  // namespace verbsmith

#include "wizard/finish_flows.h"

#include <memory>
#include <optional>
#include <string>

#include "base/messages.h"
#include "base/stage_outcome.h"
#include "base/texts.h"
#include "generate/vs_main.h"
#include "managers/manifest_writer.h"
#include "model/command_spec_mapping.h"
#include "platform/command_set.h"
#include "platform/dialogs.h"
#include "wizard/finish_transaction.h"
#include "wizard/frm_preview.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

constexpr std::string_view kParagraph = "\r\n\r\n";

}  // namespace

namespace {

// Runs one generation stage. The stages report their own file failures;
// anything else they raise is reported here. Either way the run is taken
// back before anything is registered (AStageFailed).
template <class Stage>
void Generate(FrmVerbsmith& window, Stage stage) {
  Host& host = window.GetHost();
  try {
    stage();
  } catch (const VbError& error) {
    host.err.Set(error);
    ReportError(host, error.Description());
  }
}

// Shows what a stage met, each message in a box of its own with the
// add-in's title.
void Present(Dialogs& dialogs, const StageOutcome& outcome) {
  for (const int message : outcome.messages)
    dialogs.MsgBox(LoadResString(message), mb::kOKOnly, std::nullopt);
}

// What making the files came to, beside the failures the stages reported:
// whether a stage left out something the run needs.
struct Held {
  bool incomplete = false;
};

// A template that did not arrive fails the run even where an older copy
// would let the generators go on.
Held CreateProject(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  IModuleMgr& module = *window.ModuleMgr();
  IClassMgr& cls = *window.ClassMgr();
  IFormMgr& form = *window.FormMgr();
  Dialogs& dialogs = window.GetHost().dialogs;
  StageOutcome copied;
  Generate(window, [&] { copied = gen.CopyTemplate(); });
  Present(dialogs, copied);
  Generate(window, [&] {
    module.ReadModule();
    module.ModifyModule();
    module.WriteModule();
  });
  Generate(window, [&] {
    cls.ReadClass();
    cls.ModifyClass();
    cls.WriteClass();
  });
  dialogs.DoEvents();
  if (!gen.FormNotRequired()) {
    Generate(window, [&] {
      form.ReadForm();
      form.ModifyForm();
      form.WriteForm();
    });
    dialogs.DoEvents();
  }
  return {copied.failed};
}

void UpdateClass(FrmVerbsmith& window) {
  IClassMgr& cls = *window.ClassMgr();
  Generate(window, [&] {
    cls.ReadClass();
    cls.ModifyClass();
    cls.WriteClass();
  });
  window.GetHost().dialogs.DoEvents();
}

void RewriteProjectFile(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  IBitmapMgr& bitmaps = *window.BitmapMgr();
  Generate(window, [&] {
    gen.ReadProject();
    gen.ModifyProject();
    bitmaps.WriteResourceToProject();
    gen.WriteModifiedProject();
  });
}

// The project directories a create run made; those of another run are
// none of its project's.
std::vector<std::string> DirectoriesOfThisRun(FrmVerbsmith& window) {
  if (window.GenMgr() == nullptr || window.GenMgr()->WizardPurpose() != purpose::kCreate) return {};
  return window.MadeDirectories().Made();
}

// A stage that had to report a failure has failed, but for a missing
// resource compiler, or one that failed when the user chose to finish
// without it: the project is then made without the resource, as the user
// was told.
bool AStageFailed(const Host& host, Held held, FinishChoices choices = {}) {
  if (held.incomplete) return true;
  for (const int32_t number : host.err.Reported()) {
    if (number == vberr::kNoResourceCompiler) continue;
    if (number == vberr::kResourceCompilerFailed && choices.withoutBitmaps) continue;
    return true;
  }
  return false;
}

const char* PurposeName(int16_t purpose) {
  switch (purpose) {
    case purpose::kCreate:
      return "create";
    case purpose::kEdit:
      return "edit";
    default:
      return "add";
  }
}

// Makes every file of the run, held by the open transaction: all of them
// are made before anything is registered or written, so that a failure
// anywhere leaves everything as it was.
Held GenerateHeld(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  window.GetHost().err.ForgetReported();
  Held held;
  switch (gen.WizardPurpose()) {
    case purpose::kCreate:
      held = CreateProject(window);
      RewriteProjectFile(window);
      break;
    case purpose::kEdit:
      UpdateClass(window);
      RewriteProjectFile(window);
      break;
    default:
      break;
  }
  Generate(window, [&] { gen.WriteRecap(); });
  Generate(window, [&] { gen.WriteINI(); });
  return held;
}

FinishPlan PlanOf(FrmVerbsmith& window, FinishTransaction& transaction) {
  IGeneralMgr& gen = *window.GenMgr();
  FinishPlan plan = transaction.Preview(gen.CompanyName(), gen.ApplicationName(), EntryOf(window.Spec()));
  plan.purpose = PurposeName(gen.WizardPurpose());
  if (window.BitmapMgr()->ResourceType() == 1) plan.compiler = window.BitmapMgr()->CompilerPath();
  const bool opensProject =
      gen.WizardPurpose() != purpose::kAdd || gen.ProjectType() == projecttype::kVisualBasic;
  if (opensProject) plan.handOff = gen.CompleteProjFilename();
  return plan;
}

// The lines of a plan as one text.
std::string Joined(const std::vector<std::string>& lines, std::string_view lineEnd) {
  std::string text;
  for (const std::string& line : lines) text += line + std::string(lineEnd);
  return text;
}

// A dry run's plan is told to the session and handed to whoever asked for it.
void HandOverPlan(FrmVerbsmith& window, const FinishPlan& plan) {
  const std::vector<std::string> lines = plan.ToLines();
  window.Runtime().Tell(event::PlanReady{lines});
  window.GetHost().finishPreview(plan.ToJson(), Joined(lines, "\n"));
}

// A dry run of Finish: the plan, then the run's directories go as with
// Cancel.
void ShowPlan(FrmVerbsmith& window, FinishTransaction& transaction) {
  HandOverPlan(window, PlanOf(window, transaction));
  transaction.Abandon();
}

// A dry run of a deletion: the entry that would go, and nothing else.
void ShowDeletionPlan(FrmVerbsmith& window, const CommandEntry& chosen) {
  FinishPlan plan;
  plan.purpose = "delete";
  plan.company = window.GenMgr()->CompanyName();
  plan.application = window.GenMgr()->ApplicationName();
  plan.entry = chosen;
  plan.removesEntry = true;
  HandOverPlan(window, plan);
}

// Registers the command and puts the held files in place, or takes the run
// back and says why. Whether the run is done.
bool Commit(FrmVerbsmith& window, FinishTransaction& transaction, Held held, FinishChoices choices) {
  Host& host = window.GetHost();
  if (AStageFailed(host, held, choices)) {
    transaction.Abandon();
    window.Message(std::string(text::kFinishTakenBack), mb::kExclamation);
    return false;
  }
  try {
    transaction.Commit(window.GenMgr()->CompanyName(), window.GenMgr()->ApplicationName(),
                       EntryOf(window.Spec()));
    return true;
  } catch (const FinishTransaction::Failure& failure) {
    host.err.Set(failure.error);
    if (failure.stage == FinishTransaction::Failure::Stage::kRegistration) {
      // The command set's own errors say why and name the database (busy,
      // damaged, something in the way): the user can act only on that.
      ReportError(host, LoadResString(48) + "  " + failure.error.Description());
    } else {
      // The description names the file that could not be written.
      window.Message(std::string(text::kCannotWriteProjectFiles) + "  " + failure.error.Description(),
                     mb::kExclamation);
    }
    window.Message(
        std::string(failure.partlyTakenBack ? text::kFinishPartlyTakenBack : text::kFinishTakenBack),
        mb::kExclamation);
    return false;
  }
}

bool AskToOpen(FrmVerbsmith& window, std::initializer_list<int> messages) {
  return window.Message(FrmVerbsmith::Messages(messages, kParagraph), mb::kInformation | mb::kYesNo) ==
         mbresult::kYes;
}

// Saves the environment's current project when the user wants it, then
// loads the command project.
void OpenProject(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  Host& host = window.GetHost();
  bool dirty = false;
  gen.AreComponentsDirty(dirty);
  if (dirty && window.Message(FrmVerbsmith::Messages({52, 53}, kParagraph), mb::kExclamation | mb::kYesNo) ==
                   mbresult::kYes) {
    SaveProjectKeystrokes(host);
  }
  Generate(window, [&] { gen.ReloadProject(gen.CompleteProjFilename()); });
}

// Tells what was done and, when the user wants it, opens the project.
void OfferProject(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  bool open = false;
  switch (gen.WizardPurpose()) {
    case purpose::kCreate:
      open = AskToOpen(window, {49, 50, 51});
      break;
    case purpose::kEdit:
      open = AskToOpen(window, {54, 55, 51});
      break;
    case purpose::kAdd:
      if (gen.ProjectType() != projecttype::kVisualBasic) {
        window.UntitledMessage(LoadResString(49), mb::kInformation | mb::kOKOnly);
      } else {
        open = AskToOpen(window, {49, 51});
      }
      break;
    default:
      break;
  }
  if (open) OpenProject(window);
}

}  // namespace

void RunFinishFlow(FrmVerbsmith& window, FinishChoices choices) {
  IGeneralMgr& gen = *window.GenMgr();
  Host& host = window.GetHost();
  // A dry run changes nothing, so it keeps no journal either.
  FinishTransaction transaction(
      host, gen.CurrentPath(), DirectoriesOfThisRun(window),
      host.finishPreview ? FinishTransaction::Mode::kPreview : FinishTransaction::Mode::kFinish);
  window.Hide();
  if (transaction.ProjectBusy()) {
    transaction.Abandon();
    window.Message(std::string(text::kProjectBusy), mb::kExclamation);
    window.Message(std::string(text::kFinishTakenBack), mb::kExclamation);
  } else {
    const Held held = GenerateHeld(window);
    if (host.finishPreview && !AStageFailed(host, held, choices)) {
      ShowPlan(window, transaction);
    } else {
      // The manifest records a run that is done, so a preview has none.
      const CommandSpec spec = window.Spec();
      WriteManifest(host, spec, EntryOf(spec));
      if (Commit(window, transaction, held, choices)) {
        // The project's own directories now; any other goes with the window.
        if (gen.WizardPurpose() == purpose::kCreate) window.MadeDirectories().Keep();
        OfferProject(window);
      }
    }
  }
  window.Unload();
}

void PreviewFinish(FrmVerbsmith& window) {
  std::vector<std::string> lines;
  {
    FinishTransaction held(window.GetHost(), "", {}, FinishTransaction::Mode::kPreview);
    const Held made = GenerateHeld(window);
    lines = PlanOf(window, held).ToLines();
    if (AStageFailed(window.GetHost(), made)) lines.insert(lines.begin(), std::string(text::kPreviewStops));
  }
  FrmPreview preview(window.Runtime());
  window.Runtime().Tell(event::PreviewShown{lines});
  preview.ShowPlan(Joined(lines, text::kNL), window);
}

void RunDeleteFlow(FrmVerbsmith& window) {
  if (window.GenMgr()->WizardPurpose() != purpose::kDelete) return;
  Host& host = window.GetHost();
  auto& list = window.Control<forms::ComboBox>("cboCmdName");
  if (list.Text().empty()) {
    window.Message(LoadResString(17), mb::kExclamation);
    list.SetFocus();
    return;
  }
  if (window.Message(LoadResString(19), mb::kQuestion | mb::kYesNo) != mbresult::kYes) return;
  try {
    std::unique_ptr<CommandSet> commandSet = host.commandSets.Create();
    commandSet->OpenCommandSet(window.GenMgr()->CompanyName(), window.GenMgr()->ApplicationName());
    const CommandEntry chosen = GetCommand(*commandSet, kFirstCommandId + list.ListIndex());
    if (host.finishPreview) {
      ShowDeletionPlan(window, chosen);
      return;
    }
    commandSet->RemoveCommand(chosen.progId);
    list.Clear();
    window.Control<forms::TextBox>("txtCmdDescription").SetText("");
    window.Control<forms::TextBox>("txtCmdToolTip").SetText("");
    window.Control("cmdCmdNameFinish").SetEnabled(false);
    const int16_t count = commandSet->CommandCount();
    for (int i = 0; i < count; ++i) {
      const std::string progId = GetCommand(*commandSet, kFirstCommandId + i).progId;
      const auto dot = progId.find('.');
      list.AddItem(dot == std::string::npos ? progId : progId.substr(dot + 1));
    }
  } catch (const VbError& error) {
    // Nothing more of the deletion runs; the user learns why.
    host.err.Set(error);
    ReportError(host, error.Description());
  }
}

void RunCancelFlow(FrmVerbsmith& window) {
  window.MadeDirectories().Remove();
  window.Unload();
}

}  // namespace verbsmith

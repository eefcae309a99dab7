#pragma once
// frmVerbsmith: the wizard window. One window holds every step as a frame
// that fills it; exactly one step is visible at a time. The steps live in
// groups (one file each); the window owns them, the graph that moves
// between them, and what every step shares: the managers of the run, the
// help topics, the message boxes and the directories the run made.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "connection/connection.h"
#include "forms/form.h"
#include "model/command_spec.h"
#include "platform/host.h"
#include "wizard/frm_multi_cmd.h"
#include "wizard/help.h"
#include "wizard/run_directories.h"
#include "wizard/step.h"
#include "wizard/step_graph.h"
#include "wizard/step_group.h"
#include "wizard/wizard_window.h"

namespace verbsmith {

class FrmVerbsmith : public forms::Form, public WizardWindow {
 public:
  static constexpr int32_t kWindowWidth = 8610;
  static constexpr int32_t kWindowHeight = 6030;

  FrmVerbsmith(forms::FormsRuntime& runtime, Host& host);
  ~FrmVerbsmith() override;

  // Reads, by name and in this order, the connection object itself,
  // ClassMgr, ModuleMgr, FormMgr, BitmapMgr, GenMgr and VBInst. The first
  // missing one is recorded (source "Form Wizard Object") and it and those
  // after it stay empty. Only when all are there is the chooser dialog made.
  void InitializeObjects(IConnection* wizard) override;
  void RunModal() override { ShowModal(); }
  void UnloadWindow() override { Unload(); }

  Host& GetHost() const { return host_; }
  IGeneralMgr* GenMgr() const { return genMgr_; }
  IClassMgr* ClassMgr() const { return classMgr_; }
  IModuleMgr* ModuleMgr() const { return moduleMgr_; }
  IFormMgr* FormMgr() const { return formMgr_; }
  IBitmapMgr* BitmapMgr() const { return bitmapMgr_; }
  Ide* VBInst() const { return vbInst_; }
  // The command specification the managers hold now.
  CommandSpec Spec() const;
  FrmMultiCmd* MultiCmd() const { return multiCmd_.get(); }
  // Set once all objects are there: the command-name step then starts by
  // emptying its fields; cleared when that step is left.
  bool EmptyCmdName() const { return emptyCmdName_; }
  void SetEmptyCmdName(bool empty) { emptyCmdName_ = empty; }
  // Where the help file is expected, worked out at start-up.

  // ---- Moving between steps ----
  // The graph's view of the run now.
  GraphState State() const;
  // Where a button leads from a step now.
  Step Target(Step from, Direction button) const { return NextStep(from, button, State()); }
  // A transition: Show of the target, then Leave of the current step.
  void Go(Step from, Direction button) { GoTo(from, Target(from, button), button); }
  void GoTo(Step from, Step to, Direction button);
  // The actions common to entering every step: caption, step picture,
  // frame shown, the default and cancel buttons.
  void ShowStep(forms::Control& frame, forms::PictureBox& picture, forms::CommandButton& defaultButton,
                forms::CommandButton& cancelButton);
  // Hides a step's frame.
  void HideStep(Step step);
  // The step whose frame is visible, if any.
  std::optional<Step> CurrentStep() const;

  // ---- What every step shares ----
  // A message box titled "Carthex Verbsmith" (or, with untitled, the
  // add-in's default title); returns the button pressed.
  int Message(const std::string& text, int style);
  int UntitledMessage(const std::string& text, int style);
  // Numbered messages joined by the given separator ("\r\n\r\n" between
  // paragraphs).
  static std::string Messages(std::initializer_list<int> ids, std::string_view separator);
  // Opens a help topic of the help file.
  void ShowHelpTopic(int topic);
  // Gives a control its help topic: its help context number, and the topic
  // F1 opens while it has the focus.
  void SetHelpTopic(forms::Control& control, int topic);
  // The same for a control whose F1 topic depends on the run: keyTopic is
  // asked at each F1. The help context number is a thing apart, which the
  // steps set for themselves.
  void SetHelpTopic(forms::Control& control, int topic, std::function<int()> keyTopic);
  // The directories this run made; they go with the window unless the run
  // finished and kept them.
  RunDirectories& MadeDirectories() { return madeDirectories_; }
  // Any Cancel button.
  void CancelWizard();

 private:
  template <class Group>
  void AddGroup(std::initializer_list<Step> steps);
  void OnLoad();
  void OnActivate();
  void OnPaint();

  Host& host_;
  IGeneralMgr* genMgr_ = nullptr;
  IClassMgr* classMgr_ = nullptr;
  IModuleMgr* moduleMgr_ = nullptr;
  IFormMgr* formMgr_ = nullptr;
  IBitmapMgr* bitmapMgr_ = nullptr;
  Ide* vbInst_ = nullptr;
  std::unique_ptr<FrmMultiCmd> multiCmd_;
  bool emptyCmdName_ = false;
  HelpFile help_;
  forms::PictureBox* currentStepPicture_ = nullptr;
  RunDirectories madeDirectories_;
  std::vector<std::unique_ptr<StepGroup>> groups_;
  std::array<StepGroup*, kStepCount> stepOwners_{};
};

}  // namespace verbsmith

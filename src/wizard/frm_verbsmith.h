#pragma once
// frmVerbsmith: the wizard window. One window holds every step as a frame
// that fills it; exactly one step is visible at a time.

#include <memory>
#include <string>

#include "connection/connection.h"
#include "forms/form.h"
#include "platform/host.h"
#include "wizard/frm_multi_cmd.h"
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

  IGeneralMgr* GenMgr() const { return genMgr_; }
  IClassMgr* ClassMgr() const { return classMgr_; }
  IModuleMgr* ModuleMgr() const { return moduleMgr_; }
  IFormMgr* FormMgr() const { return formMgr_; }
  IBitmapMgr* BitmapMgr() const { return bitmapMgr_; }
  Ide* VBInst() const { return vbInst_; }
  FrmMultiCmd* MultiCmd() const { return multiCmd_.get(); }
  // Set once all objects are there: the command-name step then starts by
  // emptying its command name.
  bool EmptyCmdName() const { return emptyCmdName_; }
  // The help file found at start-up.
  const std::string& HelpFile() const { return helpFile_; }

 private:
  void BuildIntro();
  void OnLoad();
  void OnActivate();
  void OnPaint();

  // Actions common to showing every step.
  void ShowStep(forms::Control& frame, forms::PictureBox& picture, forms::CommandButton& defaultButton);
  void ShowIntro();
  void LeaveIntro();
  void CancelWizard();

  Host& host_;
  IGeneralMgr* genMgr_ = nullptr;
  IClassMgr* classMgr_ = nullptr;
  IModuleMgr* moduleMgr_ = nullptr;
  IFormMgr* formMgr_ = nullptr;
  IBitmapMgr* bitmapMgr_ = nullptr;
  Ide* vbInst_ = nullptr;
  std::unique_ptr<FrmMultiCmd> multiCmd_;
  bool emptyCmdName_ = false;
  std::string helpFile_;
  forms::PictureBox* currentStepPicture_ = nullptr;
};

}  // namespace verbsmith

#include "wizard/frm_verbsmith.h"

#include <cstdio>

#include "base/messages.h"
#include "base/texts.h"
#include "forms/center_form.h"
#include "forms/key_codes.h"
#include "generate/manager_errors.h"
#include "model/command_spec_mapping.h"
#include "wizard/bitmap_steps.h"
#include "wizard/command_kind_steps.h"
#include "wizard/command_name_step.h"
#include "wizard/enabling_step.h"
#include "wizard/finish_flows.h"
#include "wizard/finish_step.h"
#include "wizard/form_name_step.h"
#include "wizard/intro_steps.h"
#include "wizard/step_layout.h"

namespace verbsmith {

namespace {

constexpr const char* kStepPicture = "wizard-step";
// The language whose help folder is used; the host offers no other.
constexpr unsigned kDefaultLanguage = 0x0409;

bool Checked(const forms::Form& form, std::string_view name) {
  if (auto* box = dynamic_cast<forms::CheckBox*>(form.FindControl(name))) return box->IsChecked();
  return false;
}

bool Selected(const forms::Form& form, std::string_view name) {
  if (auto* option = dynamic_cast<forms::OptionButton*>(form.FindControl(name))) return option->Value();
  return false;
}

}  // namespace

FrmVerbsmith::FrmVerbsmith(forms::FormsRuntime& runtime, Host& host)
    : Form(runtime, "frmVerbsmith"), host_(host), help_(host), madeDirectories_(host) {
  SetCaption(std::string(text::kTitle));
  Add<forms::ImageList>("ImageList1").AddImage(kStepPicture);
  AddGroup<IntroSteps>({Step::kIntro, Step::kProjName});
  AddGroup<CommandNameStep>({Step::kCmdName});
  AddGroup<BitmapSteps>({Step::kAddBMP, Step::kCustomBMP});
  AddGroup<CommandKindSteps>({Step::kComClass, Step::kModeless, Step::kListener, Step::kCommandType});
  AddGroup<FormNameStep>({Step::kFormName});
  AddGroup<EnablingStep>({Step::kEnablingConditions});
  AddGroup<FinishStep>({Step::kFinish});
  onLoad = [this] { OnLoad(); };
  onActivate = [this] { OnActivate(); };
  onPaint = [this] { OnPaint(); };
  // However the window goes (Cancel, its close box, the end of a script), a
  // run that did not finish takes its directories with it.
  onUnload = [this](bool&) { madeDirectories_.Remove(); };
}

FrmVerbsmith::~FrmVerbsmith() {
  madeDirectories_.Remove();
}

template <class Group>
void FrmVerbsmith::AddGroup(std::initializer_list<Step> steps) {
  groups_.push_back(std::make_unique<Group>(*this));
  for (Step step : steps) stepOwners_[static_cast<size_t>(step)] = groups_.back().get();
}

CommandSpec FrmVerbsmith::Spec() const {
  return SpecOf(*genMgr_, classMgr_, moduleMgr_, formMgr_, bitmapMgr_);
}

void FrmVerbsmith::InitializeObjects(IConnection* wizard) {
  // References of an earlier run are dropped first: they point at managers
  // that a new run has released.
  genMgr_ = nullptr;
  classMgr_ = nullptr;
  moduleMgr_ = nullptr;
  formMgr_ = nullptr;
  bitmapMgr_ = nullptr;
  vbInst_ = nullptr;
  madeDirectories_.Remove();
  help_.Reset();
  auto record = [this](ManagerError error) { RecordManagerError(host_.err, text::kFormWizardSource, error); };
  if (wizard == nullptr) return record(mgrerr::kNoConnection);
  if ((classMgr_ = wizard->ClassMgr()) == nullptr) return record(mgrerr::kNoClassMgr);
  if ((moduleMgr_ = wizard->ModuleMgr()) == nullptr) return record(mgrerr::kNoModuleMgr);
  if ((formMgr_ = wizard->FormMgr()) == nullptr) return record(mgrerr::kNoFormMgr);
  if ((bitmapMgr_ = wizard->BitmapMgr()) == nullptr) return record(mgrerr::kNoBitmapMgr);
  if ((genMgr_ = wizard->GenMgr()) == nullptr) return record(mgrerr::kNoGenMgr);
  if ((vbInst_ = wizard->VBInst()) == nullptr) return record(mgrerr::kNoVBInst);
  multiCmd_ = std::make_unique<FrmMultiCmd>(Runtime());
  emptyCmdName_ = true;
}

void FrmVerbsmith::OnLoad() {
  // Start-up goes on past any failing statement.
  try {
    char language[16];
    std::snprintf(language, sizeof language, "%X", kDefaultLanguage);
    const std::string id(language);
    std::string directory = host_.addInDirectory;
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    help_.SetApplicationHelpFile(directory + "\\..\\resdlls\\00" + id.substr(1, 1) +
                                 id.substr(id.size() - 1) + "\\Verbsmith52.chm");
  } catch (const VbError&) {
    // Without a help file path, help asks for the file when first wanted.
  }
  try {
    SetWidth(kWindowWidth);
    SetHeight(kWindowHeight);
    forms::CenterForm(host_.screen, 0, *this);
  } catch (const VbError&) {
    // The window keeps its designed size and place.
  }
  currentStepPicture_ = nullptr;
  for (forms::Control* control : Controls()) {
    if (control->Kind() == forms::ControlKind::kFrame && control->Container() == nullptr) {
      if (control->Name() != StepFrameName(Step::kIntro)) control->SetVisible(false);
      control->Move(layout::kFrameLeft, layout::kFrameTop);
    }
    if (auto* picture = dynamic_cast<forms::PictureBox*>(control)) picture->SetAutoRedraw(true);
  }
  try {
    stepOwners_[static_cast<size_t>(Step::kIntro)]->Show(Step::kIntro, Direction::kNext);
  } catch (const VbError&) {
    // The start step is still there to be shown by the person's first action.
  }
  host_.err.Clear();
}

void FrmVerbsmith::OnActivate() {
  if (currentStepPicture_ != nullptr && currentStepPicture_->Name() == "picIntro") {
    Control<forms::CommandButton>("cmdIntroNext").SetFocus();
  }
}

void FrmVerbsmith::OnPaint() {
  if (currentStepPicture_ == nullptr) return;
  currentStepPicture_->Cls();
  currentStepPicture_->SetPicture(Control<forms::ImageList>("ImageList1").Image(1));
}

GraphState FrmVerbsmith::State() const {
  GraphState state;
  if (genMgr_ != nullptr) {
    state.purpose = genMgr_->WizardPurpose();
    state.projectType = genMgr_->ProjectType();
    state.modeless = genMgr_->CommandIsModeless();
    state.listener = genMgr_->IsMapViewListener();
  }
  if (bitmapMgr_ != nullptr) state.customBitmaps = bitmapMgr_->ResourceType() == 1;
  state.noForm = Checked(*this, "chkNoForm");
  state.listenerBoxChecked = Checked(*this, "chkModelessMapViewListener");
  state.deleteSelected = Selected(*this, "optDeleteCommand");
  return state;
}

void FrmVerbsmith::GoTo(Step from, Step to, Direction button) {
  stepOwners_[static_cast<size_t>(to)]->Show(to, button);
  stepOwners_[static_cast<size_t>(from)]->Leave(from);
  // The control that had the focus went with the step left: a person now
  // starts on the new step's first control.
  forms::Control* focus = ActiveControl();
  if (focus == nullptr || !focus->IsEffectivelyVisible()) {
    if (forms::Control* first = NextInTabOrder(nullptr)) TabTo(first);
  }
}

void FrmVerbsmith::ShowStep(forms::Control& frame, forms::PictureBox& picture,
                            forms::CommandButton& defaultButton, forms::CommandButton& cancelButton) {
  SetCaption(std::string(text::kTitle));
  picture.SetPicture(Control<forms::ImageList>("ImageList1").Image(1));
  picture.SetVisible(true);
  frame.SetVisible(true);
  defaultButton.SetDefault(true);
  // Escape presses the step's Cancel button, as in any wizard.
  cancelButton.SetCancel(true);
  currentStepPicture_ = &picture;
}

void FrmVerbsmith::HideStep(Step step) {
  Control(StepFrameName(step)).SetVisible(false);
}

std::optional<Step> FrmVerbsmith::CurrentStep() const {
  for (int i = 0; i < kStepCount; ++i) {
    const auto step = static_cast<Step>(i);
    if (FindControl(StepFrameName(step))->Visible()) return step;
  }
  return std::nullopt;
}

int FrmVerbsmith::Message(const std::string& text, int style) {
  return host_.dialogs.MsgBox(text, style, std::string(text::kTitle));
}

int FrmVerbsmith::UntitledMessage(const std::string& text, int style) {
  return host_.dialogs.MsgBox(text, style, std::nullopt);
}

std::string FrmVerbsmith::Messages(std::initializer_list<int> ids, std::string_view separator) {
  std::string joined;
  for (int id : ids) {
    if (!joined.empty()) joined += separator;
    joined += LoadResString(id);
  }
  return joined;
}

void FrmVerbsmith::ShowHelpTopic(int topic) {
  help_.ShowTopic(topic);
}

void FrmVerbsmith::SetHelpTopic(forms::Control& control, int topic) {
  SetHelpTopic(control, topic, [topic] { return topic; });
}

void FrmVerbsmith::SetHelpTopic(forms::Control& control, int topic, std::function<int()> keyTopic) {
  control.SetHelpContextID(topic);
  control.onKeyDown = [this, keyTopic = std::move(keyTopic), previous = std::move(control.onKeyDown)](
                          int& keyCode, int shift) {
    if (previous) previous(keyCode, shift);
    if (keyCode == forms::key::kF1) ShowHelpTopic(keyTopic());
  };
}

void FrmVerbsmith::CancelWizard() {
  RunCancelFlow(*this);
}

}  // namespace verbsmith

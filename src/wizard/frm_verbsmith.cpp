#include "wizard/frm_verbsmith.h"

#include <cstdio>

#include "base/texts.h"
#include "forms/center_form.h"
#include "generate/manager_errors.h"

namespace verbsmith {

namespace {

constexpr const char* kStepPicture = "wizard-step";
constexpr int32_t kFrameLeft = 8;
constexpr int32_t kFrameTop = 8;
// The language whose help folder is used; the host offers no other.
constexpr unsigned kDefaultLanguage = 0x0409;

std::string Text(std::string_view text) {
  return std::string(text);
}

struct Bounds {
  int32_t left, top, width, height;
};

// A control put in place on the designed layout, with its caption.
template <class T>
T& Placed(T& control, Bounds bounds) {
  control.Move(bounds.left, bounds.top, bounds.width, bounds.height);
  return control;
}

template <class T>
T& Placed(T& control, std::string_view caption, Bounds bounds) {
  control.SetCaption(Text(caption));
  return Placed(control, bounds);
}

}  // namespace

FrmVerbsmith::FrmVerbsmith(forms::FormsRuntime& runtime, Host& host)
    : Form(runtime, "frmVerbsmith"), host_(host) {
  SetCaption(Text(text::kTitle));
  auto& images = Add<forms::ImageList>("ImageList1");
  images.AddImage(kStepPicture);
  BuildIntro();
  onLoad = [this] { OnLoad(); };
  onActivate = [this] { OnActivate(); };
  onPaint = [this] { OnPaint(); };
}

FrmVerbsmith::~FrmVerbsmith() = default;

void FrmVerbsmith::InitializeObjects(IConnection* wizard) {
  // References of an earlier run are dropped first: they point at managers
  // that a new run has released.
  genMgr_ = nullptr;
  classMgr_ = nullptr;
  moduleMgr_ = nullptr;
  formMgr_ = nullptr;
  bitmapMgr_ = nullptr;
  vbInst_ = nullptr;
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

void FrmVerbsmith::BuildIntro() {
  auto& frame = Add<forms::Frame>("fraIntro");
  frame.Move(kFrameLeft, kFrameTop, kWindowWidth - 120, kWindowHeight - 420);
  Placed(Add<forms::PictureBox>("picIntro", frame), {120, 240, 2055, 4575});
  Placed(Add<forms::Label>("lblIntroHeading", frame), text::kIntroHeading, {2400, 240, 5880, 495})
      .SetFontName("Times New Roman");
  Placed(Add<forms::Label>("lblIntroExplanation", frame), text::kIntroExplanation, {2400, 840, 5880, 855});

  Placed(Add<forms::Label>("lblCompanyName", frame), text::kCompanyNameLabel, {2400, 1800, 1815, 255});
  auto& company = Placed(Add<forms::TextBox>("Text4", frame), {4320, 1755, 3960, 315});
  Placed(Add<forms::Label>("lblApplicationName", frame), text::kApplicationNameLabel,
         {2400, 2220, 1815, 255});
  auto& application = Placed(Add<forms::TextBox>("Text3", frame), {4320, 2175, 3960, 315});

  Placed(Add<forms::Label>("lblIntroChooseOption", frame), text::kIntroChooseOption, {2400, 2640, 5880, 435});
  auto& create = Placed(Add<forms::OptionButton>("optCreateProject", frame), text::kOptCreateProject,
                        {2400, 3120, 3855, 255});
  auto& edit = Placed(Add<forms::OptionButton>("optEditCommand", frame), text::kOptEditCommand,
                      {2400, 3420, 3855, 255});
  // The add option lies where the edit option is, as designed.
  auto& add =
      Placed(Add<forms::OptionButton>("optAddCommand", frame), text::kOptAddCommand, {2400, 3420, 3855, 255});
  auto& remove = Placed(Add<forms::OptionButton>("optDeleteCommand", frame), text::kOptDeleteCommand,
                        {2400, 3720, 3855, 255});

  auto& projectType =
      Placed(Add<forms::Frame>("fraProjectType", frame), text::kProjectTypeFrame, {6360, 3060, 1920, 915});
  projectType.SetEnabled(false);
  auto& vb = Placed(Add<forms::OptionButton>("optVBProject", projectType), text::kOptVBProject,
                    {120, 240, 1695, 255});
  auto& vc = Placed(Add<forms::OptionButton>("optVCProject", projectType), text::kOptVCProject,
                    {120, 540, 1695, 255});

  auto& cancel =
      Placed(Add<forms::CommandButton>("cmdIntroCancel", frame), text::kCancel, {2400, 5040, 1095, 375});
  auto& back =
      Placed(Add<forms::CommandButton>("cmdIntroBack", frame), text::kBackButton, {4440, 5040, 1095, 375});
  back.SetEnabled(false);  // the first step has nothing before it
  Placed(Add<forms::CommandButton>("cmdIntroNext", frame), text::kNextButton, {5640, 5040, 1095, 375});
  Placed(Add<forms::CommandButton>("cmdIntroHelp", frame), text::kHelpButton, {7080, 5040, 1095, 375});

  // The names are live: every keystroke goes into the specification.
  company.onChange = [this, &company] {
    if (genMgr_ != nullptr) genMgr_->SetCompanyName(company.Text());
  };
  application.onChange = [this, &application] {
    if (genMgr_ != nullptr) genMgr_->SetApplicationName(application.Text());
  };
  auto purposeWithoutProjectType = [this, &projectType, &vb, &vc] {
    projectType.SetEnabled(false);
    if (genMgr_ != nullptr) genMgr_->SetProjectType(projecttype::kNotChosen);
    vb.SetValue(false);
    vc.SetValue(false);
  };
  create.onClick = purposeWithoutProjectType;
  edit.onClick = purposeWithoutProjectType;
  remove.onClick = purposeWithoutProjectType;
  add.onClick = [this, &projectType] {
    projectType.SetEnabled(true);
    if (genMgr_ != nullptr) genMgr_->SetProjectType(projecttype::kNotChosen);
  };
  vb.onClick = [this] {
    if (genMgr_ != nullptr) genMgr_->SetProjectType(projecttype::kVisualBasic);
  };
  vc.onClick = [this] {
    if (genMgr_ != nullptr) genMgr_->SetProjectType(projecttype::kOther);
  };
  cancel.onClick = [this] { CancelWizard(); };
}

void FrmVerbsmith::OnLoad() {
  // Start-up goes on past any failing statement.
  try {
    char language[16];
    std::snprintf(language, sizeof language, "%X", kDefaultLanguage);
    const std::string id(language);
    std::string directory = host_.addInDirectory;
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    helpFile_ =
        directory + "\\..\\resdlls\\00" + id.substr(1, 1) + id.substr(id.size() - 1) + "\\Verbsmith52.chm";
  } catch (const std::exception&) {
  }
  try {
    SetWidth(kWindowWidth);
    SetHeight(kWindowHeight);
    forms::CenterForm(host_.screen, 0, *this);
  } catch (const std::exception&) {
  }
  currentStepPicture_ = nullptr;
  for (forms::Control* control : Controls()) {
    if (control->Kind() == forms::ControlKind::kFrame && control->Container() == nullptr) {
      if (control->Name() != "fraIntro") control->SetVisible(false);
      control->Move(kFrameLeft, kFrameTop);
    }
    if (auto* picture = dynamic_cast<forms::PictureBox*>(control)) picture->SetAutoRedraw(true);
  }
  try {
    ShowIntro();
  } catch (const std::exception&) {
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

void FrmVerbsmith::ShowStep(forms::Control& frame, forms::PictureBox& picture,
                            forms::CommandButton& defaultButton) {
  SetCaption(Text(text::kTitle));
  picture.SetPicture(Control<forms::ImageList>("ImageList1").Image(1));
  picture.SetVisible(true);
  frame.SetVisible(true);
  defaultButton.SetDefault(true);
  currentStepPicture_ = &picture;
}

void FrmVerbsmith::ShowIntro() {
  if (genMgr_ != nullptr) {
    Control<forms::TextBox>("Text3").SetText(genMgr_->ApplicationName());
    Control<forms::TextBox>("Text4").SetText(genMgr_->CompanyName());
  }
  ShowStep(Control("fraIntro"), Control<forms::PictureBox>("picIntro"),
           Control<forms::CommandButton>("cmdIntroNext"));
}

void FrmVerbsmith::LeaveIntro() {
  Control("fraIntro").SetVisible(false);
}

void FrmVerbsmith::CancelWizard() {
  Unload();
}

}  // namespace verbsmith

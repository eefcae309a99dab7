#include "wizard/intro_steps.h"

#include <cctype>

#include "base/identifier.h"
#include "base/messages.h"
#include "base/texts.h"
#include "base/win_path.h"
#include "generate/vs_main.h"
#include "model/project_file.h"
#include "platform/dialogs.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/project_lookups.h"

namespace verbsmith {

namespace {

constexpr std::string_view kNL = "\r\n";
constexpr std::string_view kSpecialCharacters = ":|><?/*\"";
constexpr size_t kDriveRootLength = 3;  // "C:\"

// Windows keeps a current directory per drive; the process has one, on its
// own drive, and every other drive starts at its root. A drive that maps to
// nothing cannot be read.
std::string DriveCurrentDirectory(Host& host, const std::string& drive) {
  const std::string current = host.fs.CurrentDirectory();
  if (current.size() >= 2 && std::tolower(static_cast<unsigned char>(current[0])) ==
                                 std::tolower(static_cast<unsigned char>(drive[0]))) {
    return current;
  }
  const std::string root = drive.substr(0, 2) + "\\";
  if (!FileExists(host, root, attr::kDirectory))
    throw VbError(vberr::kDeviceUnavailable, "drvProjLoc", "Device unavailable");
  return root;
}

// A name Windows would not keep as it was typed: only dots (the directory
// itself or its parent), or a trailing dot or blank that Windows drops.
bool IsReservedDirectoryName(const std::string& name) {
  return name.find_first_not_of('.') == std::string::npos || name.back() == '.' || name.back() == ' ';
}

}  // namespace

IntroSteps::IntroSteps(FrmVerbsmith& window) : StepGroup(window) {
  BuildIntro();
  BuildProjName();
  // The lists start where the process is, as a directory list does.
  try {
    const std::string current = window_.GetHost().fs.CurrentDirectory();
    drive_->SetDrive(current);
    directory_->SetPath(current);
  } catch (const VbError&) {
    // The lists keep their defaults; entering the project step fills them.
  }

  company_->onChange = [this] {
    if (auto* gen = window_.GenMgr()) gen->SetCompanyName(company_->Text());
  };
  application_->onChange = [this] {
    if (auto* gen = window_.GenMgr()) gen->SetApplicationName(application_->Text());
  };
  auto purposeWithoutProjectType = [this] {
    projectType_->SetEnabled(false);
    if (auto* gen = window_.GenMgr()) gen->SetProjectType(projecttype::kNotChosen);
    vbProject_->SetValue(false);
    vcProject_->SetValue(false);
  };
  create_->onClick = purposeWithoutProjectType;
  edit_->onClick = purposeWithoutProjectType;
  delete_->onClick = purposeWithoutProjectType;
  add_->onClick = [this] {
    projectType_->SetEnabled(true);
    if (auto* gen = window_.GenMgr()) gen->SetProjectType(projecttype::kNotChosen);
  };
  vbProject_->onClick = [this] {
    if (auto* gen = window_.GenMgr()) gen->SetProjectType(projecttype::kVisualBasic);
  };
  vcProject_->onClick = [this] {
    if (auto* gen = window_.GenMgr()) gen->SetProjectType(projecttype::kOther);
  };
  Frame(Step::kIntro).next.onClick = [this] { IntroNext(); };
  Frame(Step::kProjName).next.onClick = [this] { ProjNext(); };
  drive_->onChange = [this] { DriveChanged(); };
  directory_->onChange = [this] { DirectoryChanged(); };
  directory_->pathCheck = [this](const std::string& path) {
    if (!DirectoryExists(window_.GetHost().fs, path))
      throw VbError::Standard(vberr::kPathNotFound, "dirProjLoc");
  };
}

void IntroSteps::Show(Step step, Direction direction) {
  if (step == Step::kIntro) return ShowIntro();
  ShowProjName(direction);
}

void IntroSteps::Leave(Step step) {
  if (step == Step::kProjName) return LeaveProjName();
  StepGroup::Leave(step);
}

// ---- Start step ----

void IntroSteps::ShowIntro() {
  if (auto* gen = window_.GenMgr()) {
    application_->SetText(gen->ApplicationName());
    company_->SetText(gen->CompanyName());
  }
  ShowFrame(Step::kIntro);
}

void IntroSteps::IntroNext() {
  IGeneralMgr* gen = window_.GenMgr();
  if (company_->Text().empty()) {
    window_.Message(std::string(text::kCompanyNameBlank), mb::kExclamation);
    company_->SetFocus();
    return;
  }
  if (application_->Text().empty()) {
    window_.Message(std::string(text::kApplicationNameBlank), mb::kExclamation);
    application_->SetFocus();
    return;
  }
  gen->SetCompanyName(company_->Text());
  gen->SetApplicationName(application_->Text());
  if (create_->Value()) {
    gen->SetWizardPurpose(purpose::kCreate);
  } else if (add_->Value()) {
    gen->SetWizardPurpose(purpose::kAdd);
    if (gen->ProjectType() == projecttype::kNotChosen) {
      window_.UntitledMessage(LoadResString(61), mb::kExclamation);
      return;
    }
  } else if (edit_->Value()) {
    gen->SetWizardPurpose(purpose::kEdit);
  } else if (delete_->Value()) {
    gen->SetWizardPurpose(purpose::kDelete);
  } else {
    window_.UntitledMessage(LoadResString(62), mb::kInformation);
    return;
  }
  window_.Go(Step::kIntro, Direction::kNext);
}

// ---- Project step ----

void IntroSteps::ShowProjName(Direction direction) {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  try {
    try {
      FillProjName(direction);
    } catch (const VbError& error) {
      // A location that can no longer be shown: start from where the
      // process is instead.
      if (error.Number() != vberr::kPathNotFound && error.Number() != vberr::kDeviceUnavailable) throw;
      gen->SetCurrentPath(host.fs.CurrentDirectory());
      FillProjName(direction);
    }
  } catch (const VbError& error) {
    host.err.Set(error);
    ReportError(host, error.Description());
  }
  ShowFrame(Step::kProjName);
}

void IntroSteps::FillProjName(Direction direction) {
  IGeneralMgr* gen = window_.GenMgr();
  // The drive first: its Change moves the directory list to the drive's
  // own current directory, which the location then replaces.
  const std::string location = gen->CurrentPath();
  drive_->SetDrive(location.substr(0, location.find(':') + 1));
  directory_->SetPath(location);
  projName_->SetText(gen->ProjectName());
  label4_->SetCaption(LoadResString(77));
  if (gen->WizardPurpose() == purpose::kAdd) {
    label17_->SetCaption("");
    projName_->SetEnabled(false);
    subdirectory_->SetEnabled(false);
    if (direction == Direction::kNext) projName_->SetText("");
  } else {
    label17_->SetCaption(LoadResString(78));
    projName_->SetEnabled(true);
    subdirectory_->SetEnabled(true);
  }
}

void IntroSteps::LeaveProjName() {
  window_.HideStep(Step::kProjName);
  window_.GenMgr()->SetProjectName(projName_->Text());
  subdirectory_->SetText("");
}

void IntroSteps::DriveChanged() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  const std::string previousRoot = gen->CurrentPath().substr(0, kDriveRootLength);
  try {
    gen->SetCurrentPath(DriveCurrentDirectory(host, drive_->Drive()));
    directory_->SetPath(gen->CurrentPath());
  } catch (const VbError& error) {
    host.err.Set(error);
    try {
      drive_->SetDrive(previousRoot);
      gen->SetCurrentPath(DriveCurrentDirectory(host, previousRoot));
    } catch (const VbError&) {
      // The drive it came from has gone too; the report below still says why.
    }
    std::string message = LoadResString(71);
    ReportError(host, error.Description(), &message);
  }
}

void IntroSteps::DirectoryChanged() {
  IGeneralMgr* gen = window_.GenMgr();
  if (gen == nullptr) return;
  const std::string path = directory_->Path();
  gen->SetCurrentPath(path);
  if (path.size() == kDriveRootLength || gen->WizardPurpose() != purpose::kAdd) return;
  Host& host = window_.GetHost();
  const std::string file = ChooseProjectFile(host, window_.Runtime(), path + "\\src\\*.vbp");
  if (file.empty()) {
    projName_->SetText("");
    return;
  }
  gen->SetCompleteProjFilename(path + "\\src\\" + file);
  gen->SetCurrentPathSrc(path + "\\src");
  // The command's initialisation file goes beside its DLL, in the bin
  // directory of the project's layout; left unset it would land wherever
  // the process happens to be.
  gen->SetCurrentPathBin(path + "\\bin");
  projName_->SetText(ProjectNameFromFile(host, gen->CompleteProjFilename()));
}

void IntroSteps::ProjNext() {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  const bool creating = gen->WizardPurpose() == purpose::kCreate;
  gen->SetProjectName(projName_->Text());
  if (projName_->Text().empty()) {
    window_.Message(LoadResString(creating ? 64 : 65), mb::kExclamation);
    return;
  }
  if (creating && !IsIdentifier(projName_->Text())) {
    window_.Message(std::string(text::kProjectNameNotIdentifier), mb::kExclamation);
    projName_->SetFocus();
    return;
  }
  const std::string subdirectory = subdirectory_->Text();
  if (!subdirectory.empty()) {
    if (subdirectory.find('\\') != std::string::npos) {
      window_.Message(LoadResString(66) + std::string(kNL) + LoadResString(67), mb::kExclamation);
      return;
    }
    if (subdirectory.find_first_of(kSpecialCharacters) != std::string::npos ||
        IsReservedDirectoryName(subdirectory)) {
      window_.Message(LoadResString(66) + std::string(kNL) + LoadResString(187), mb::kExclamation);
      return;
    }
  }
  std::string location = directory_->Path();
  if (!location.empty() && location.back() == '\\') location.pop_back();
  if (gen->WizardPurpose() != purpose::kAdd) {
    if (!MakeProjectDirectories(location, subdirectory)) return;
    if (FileExists(host, gen->CurrentPathSrc() + gen->ProjectFilename())) {
      window_.Message(FrmVerbsmith::Messages({68, 69}, "\r\n\r\n"), mb::kExclamation);
      return;
    }
  }
  window_.Go(Step::kProjName, Direction::kNext);
}

bool IntroSteps::MakeProjectDirectories(const std::string& location, const std::string& subdirectory) {
  Host& host = window_.GetHost();
  IGeneralMgr* gen = window_.GenMgr();
  std::string project = location;
  if (!subdirectory.empty()) {
    project = location + "\\" + subdirectory;
    if (!DirectoryExists(host.fs, project) && !MakeDirectory(project)) return false;
    gen->SetCurrentPath(project);
  }
  // An existing project directory still gets what a project needs.
  for (const char* sub : {"\\src", "\\bin"}) {
    if (!DirectoryExists(host.fs, project + sub) && !MakeDirectory(project + sub)) return false;
  }
  gen->SetCurrentPathSrc(project + "\\src");
  gen->SetCurrentPathBin(project + "\\bin");
  return true;
}

bool IntroSteps::MakeDirectory(const std::string& path) {
  try {
    window_.MadeDirectories().Make(path);
    return true;
  } catch (const VbError& error) {
    window_.Message(std::string(text::kCannotCreateProjectDirectory) + std::string(kNL) + path + "  " +
                        error.Description(),
                    mb::kExclamation);
    return false;
  }
}

}  // namespace verbsmith

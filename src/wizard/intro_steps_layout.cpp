// The start and project steps' controls as designed.

#include "base/texts.h"
#include "connection/connection.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/intro_steps.h"

namespace verbsmith {

void IntroSteps::BuildIntro() {
  StepFrame& step = AddStep({Step::kIntro, "picIntro", "cmdIntro", text::kIntroHeading, 500});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblIntroExplanation", frame), text::kIntroExplanation, {2400, 840, 5880, 855});
  Placed(w.Add<forms::Label>("lblCompanyName", frame), text::kCompanyNameLabel, {2400, 1800, 1815, 255});
  company_ = &Placed(w.Add<forms::TextBox>("Text4", frame), {4320, 1755, 3960, 315});
  Placed(w.Add<forms::Label>("lblApplicationName", frame), text::kApplicationNameLabel,
         {2400, 2220, 1815, 255});
  application_ = &Placed(w.Add<forms::TextBox>("Text3", frame), {4320, 2175, 3960, 315});
  Placed(w.Add<forms::Label>("lblIntroChooseOption", frame), text::kIntroChooseOption,
         {2400, 2640, 5880, 435});
  create_ = &Placed(w.Add<forms::OptionButton>("optCreateProject", frame), text::kOptCreateProject,
                    {2400, 3120, 3855, 255});
  edit_ = &Placed(w.Add<forms::OptionButton>("optEditCommand", frame), text::kOptEditCommand,
                  {2400, 3420, 3855, 255});
  delete_ = &Placed(w.Add<forms::OptionButton>("optDeleteCommand", frame), text::kOptDeleteCommand,
                    {2400, 3720, 3855, 255});
  add_ = &Placed(w.Add<forms::OptionButton>("optAddCommand", frame), text::kOptAddCommand,
                 {2400, 4020, 3855, 255});
  projectType_ =
      &Placed(w.Add<forms::Frame>("fraProjectType", frame), text::kProjectTypeFrame, {6360, 3060, 1920, 915});
  projectType_->SetEnabled(false);
  vbProject_ = &Placed(w.Add<forms::OptionButton>("optVBProject", *projectType_), text::kOptVBProject,
                       {120, 240, 1695, 255});
  vcProject_ = &Placed(w.Add<forms::OptionButton>("optVCProject", *projectType_), text::kOptVCProject,
                       {120, 540, 1695, 255});
  step.back.SetEnabled(false);  // the first step has nothing before it

  w.SetHelpTopic(*create_, 60);
  w.SetHelpTopic(*edit_, 70);
  w.SetHelpTopic(*delete_, 80);
  w.SetHelpTopic(*add_, 680);
  w.SetHelpTopic(step.next, 500);
}

void IntroSteps::BuildProjName() {
  StepFrame& step = AddStep({Step::kProjName, "picProjName", "cmdProj", text::kProjNameHeading, 510});
  auto& w = window_;
  auto& frame = step.frame;
  label4_ = &Placed(w.Add<forms::Label>("Label4", frame), text::kProjNameExplanation, {2400, 840, 5880, 615});
  Placed(w.Add<forms::Label>("lblProjName", frame), text::kProjectNameLabel, {2400, 1560, 1815, 255});
  projName_ = &Placed(w.Add<forms::TextBox>("txtProjName", frame), {4320, 1515, 3960, 315});
  Placed(w.Add<forms::Label>("lblProjLoc", frame), text::kProjectLocationLabel, {2400, 1980, 2895, 255});
  directory_ = &Placed(w.Add<forms::DirListBox>("dirProjLoc", frame), {2400, 2220, 3000, 1635});
  Placed(w.Add<forms::Label>("lblDrives", frame), text::kDrivesLabel, {5520, 1980, 2760, 255});
  drive_ = &Placed(w.Add<forms::DriveListBox>("drvProjLoc", frame), {5520, 2220, 2760, 315});
  Placed(w.Add<forms::Label>("lblNewSubDir", frame), text::kNewSubDirLabel, {2400, 4035, 2055, 255});
  subdirectory_ = &Placed(w.Add<forms::TextBox>("txtNewSubDirName", frame), {4560, 3990, 3720, 315});
  label17_ = &Placed(w.Add<forms::Label>("Label17", frame), {2400, 4440, 5880, 435});

  w.SetHelpTopic(*projName_, 90);
  w.SetHelpTopic(*directory_, 100);
  w.SetHelpTopic(*subdirectory_, 110);
  w.SetHelpTopic(*drive_, 120);
}

}  // namespace verbsmith

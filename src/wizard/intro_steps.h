#pragma once
// The start step (company, application, purpose, project type) and the
// project step (project name, location, new subdirectory; creates the
// project's directories for a new project).

#include <string>

#include "forms/form.h"
#include "wizard/step_group.h"

namespace verbsmith {

class IntroSteps : public StepGroup {
 public:
  explicit IntroSteps(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // intro_steps_layout.cpp
  void BuildIntro();
  void BuildProjName();

  void ShowIntro();
  void IntroNext();
  void ShowProjName(Direction direction);
  void FillProjName(Direction direction);
  void LeaveProjName();
  void ProjNext();
  void DriveChanged();
  void DirectoryChanged();
  // Makes the project's directories; false (after telling the user) when
  // one cannot be made.
  bool MakeProjectDirectories(const std::string& location, const std::string& subdirectory);
  bool MakeDirectory(const std::string& path);

  // Start step.
  forms::TextBox* company_ = nullptr;
  forms::TextBox* application_ = nullptr;
  forms::OptionButton* create_ = nullptr;
  forms::OptionButton* edit_ = nullptr;
  forms::OptionButton* delete_ = nullptr;
  forms::OptionButton* add_ = nullptr;
  forms::Frame* projectType_ = nullptr;
  forms::OptionButton* vbProject_ = nullptr;
  forms::OptionButton* vcProject_ = nullptr;
  // Project step.
  forms::TextBox* projName_ = nullptr;
  forms::DriveListBox* drive_ = nullptr;
  forms::DirListBox* directory_ = nullptr;
  forms::TextBox* subdirectory_ = nullptr;
  forms::Label* label4_ = nullptr;
  forms::Label* label17_ = nullptr;
};

}  // namespace verbsmith

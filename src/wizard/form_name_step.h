#pragma once
// The form step: the command's form name and position, or no form. It also
// decides whether the modeless and listener steps follow.

#include <array>

#include "forms/form.h"
#include "wizard/step_group.h"

namespace verbsmith {

class FormNameStep : public StepGroup {
 public:
  explicit FormNameStep(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // form_name_layout.cpp
  void Build();

  void NoFormClicked();
  void Next();
  // The checks of Next; false (after telling the user) when one fails.
  bool Valid();

  forms::CheckBox* noForm_ = nullptr;
  forms::Label* nameLabel_ = nullptr;
  forms::TextBox* name_ = nullptr;
  forms::Frame* position_ = nullptr;
  // Never shown, screen centred, application centred, as designed: the
  // order of FormPosition 0 to 3.
  std::array<forms::OptionButton*, 4> positions_{};
};

}  // namespace verbsmith

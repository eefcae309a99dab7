#pragma once
// An option button. The option buttons of one container (a frame, a picture
// box, or the form itself) exclude each other: selecting one clears the
// others and fires the selected one's Click.

#include <string>
#include <vector>

#include "forms/control.h"

namespace verbsmith::forms {

class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kOptionButton, container) {}

  bool Value() const { return value_; }
  // True clears the group's other buttons (without events) and fires Click
  // when the button was not selected; False just clears it.
  void SetValue(bool value);

  // The other option buttons of the same container.
  std::vector<OptionButton*> Group() const;

 private:
  bool value_ = false;
};

}  // namespace verbsmith::forms

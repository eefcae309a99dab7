#pragma once
// A check box: 0 unchecked, 1 checked, 2 grayed. Changing the value, by the
// user or in code, fires Click.

#include <string>

#include "forms/control.h"

namespace verbsmith::forms {

namespace check {
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;
}  // namespace check

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kCheckBox, container) {}

  int Value() const { return value_; }
  bool IsChecked() const { return value_ == check::kChecked; }
  // Values other than 0, 1, 2 raise error 380 (invalid property value).
  void SetValue(int value);
  // What a click does: a checked box becomes unchecked, any other checked.
  void Toggle() { SetValue(value_ == check::kChecked ? check::kUnchecked : check::kChecked); }

 private:
  int value_ = check::kUnchecked;
};

}  // namespace verbsmith::forms

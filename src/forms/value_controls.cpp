// The value-holding controls: text box, check box, option button, drive and
// directory lists, scroll bar.

#include <algorithm>
#include <cctype>

#include "base/vb_error.h"
#include "forms/check_box.h"
#include "forms/file_list_controls.h"
#include "forms/form.h"
#include "forms/option_button.h"
#include "forms/text_box.h"

namespace verbsmith::forms {

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  // The caret stays inside the new text.
  const int size = static_cast<int>(text_.size());
  selStart_ = std::min(selStart_, size);
  selLength_ = std::min(selLength_, size - selStart_);
  Raise(onChange);
}

void CheckBox::SetValue(int value) {
  if (value < check::kUnchecked || value > check::kGrayed) {
    throw VbError::Standard(vberr::kInvalidPropertyValue, Name());
  }
  if (value == value_) return;
  value_ = value;
  RaiseClick();
}

std::vector<OptionButton*> OptionButton::Group() const {
  std::vector<OptionButton*> group;
  for (forms::Control* control : Parent().Controls()) {
    auto* option = dynamic_cast<OptionButton*>(control);
    if (option && option != this && option->Container() == Container()) group.push_back(option);
  }
  return group;
}

void OptionButton::SetValue(bool value) {
  if (!value) {
    value_ = false;
    return;
  }
  if (value_) return;
  for (OptionButton* other : Group()) other->value_ = false;
  value_ = true;
  RaiseClick();
}

void DriveListBox::SetDrive(const std::string& drive) {
  if (drive.empty() || !std::isalpha(static_cast<unsigned char>(drive[0]))) {
    throw VbError(vberr::kDeviceUnavailable, Name(), "Device unavailable");
  }
  std::string normalized{static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0]))), ':'};
  if (normalized == drive_) return;
  drive_ = std::move(normalized);
  Raise(onChange);
}

void DirListBox::SetPath(const std::string& path) {
  std::string normalized = path;
  // A drive root keeps its backslash; other paths are shown without one.
  while (normalized.size() > 3 && normalized.back() == '\\') normalized.pop_back();
  if (normalized.size() == 2 && normalized[1] == ':') normalized += '\\';
  if (pathCheck) pathCheck(normalized);
  if (normalized == path_) return;
  path_ = std::move(normalized);
  Raise(onChange);
}

void VScrollBar::SetValue(int value) {
  const int low = std::min(min_, max_);
  const int high = std::max(min_, max_);
  if (value < low || value > high) throw VbError::Standard(vberr::kInvalidPropertyValue, Name());
  if (value == value_) return;
  value_ = value;
  Raise(onChange);
}

void VScrollBar::ScrollBy(int delta) {
  SetValue(std::clamp(value_ + delta, std::min(min_, max_), std::max(min_, max_)));
}

}  // namespace verbsmith::forms

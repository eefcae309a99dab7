#pragma once
// A single-line text box: setting its text fires Change, but only when the
// text really changes.

#include <functional>
#include <string>

#include "forms/control.h"

namespace verbsmith::forms {

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kTextBox, container) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  // A locked text box keeps its text against typing; code may still set it.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }
  // The selection, in characters of the text. Setting it from code (or by
  // tabbing in) counts as a new selection a view must show; typing moves the
  // caret without that.
  int SelStart() const { return selStart_; }
  void SetSelStart(int selStart);
  int SelLength() const { return selLength_; }
  void SetSelLength(int selLength);
  void SelectAll();
  int SelectionVersion() const { return selectionVersion_; }
  // A key typed while the box has the focus: a character replaces the
  // selection, Backspace and Delete remove it (or one character), Left and
  // Right move the caret. Returns false for keys that do not edit.
  bool TypeKey(int keyCode, int shift);

  std::function<void()> onChange;

 private:
  std::string text_;
  bool locked_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
  int selectionVersion_ = 0;
};

}  // namespace verbsmith::forms

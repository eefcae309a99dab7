// A text box's selection and the keys a person types into it.

#include "forms/text_box.h"

#include <algorithm>

#include "forms/key_codes.h"

namespace verbsmith::forms {

namespace {

// The character a key types, or 0 for a key that types none.
char TypedCharacter(int keyCode, int shift) {
  if ((shift & (shift::kCtrl | shift::kAlt)) != 0) return 0;
  if (keyCode >= 'A' && keyCode <= 'Z') {
    return static_cast<char>((shift & shift::kShift) != 0 ? keyCode : keyCode - 'A' + 'a');
  }
  if (keyCode >= '0' && keyCode <= '9' && shift == 0) return static_cast<char>(keyCode);
  if (keyCode == key::kSpace) return ' ';
  return 0;
}

}  // namespace

void TextBox::SetSelStart(int selStart) {
  selStart_ = std::clamp(selStart, 0, static_cast<int>(text_.size()));
  selLength_ = 0;
  ++selectionVersion_;
}

void TextBox::SetSelLength(int selLength) {
  selLength_ = std::clamp(selLength, 0, static_cast<int>(text_.size()) - selStart_);
  ++selectionVersion_;
}

void TextBox::SelectAll() {
  selStart_ = 0;
  selLength_ = static_cast<int>(text_.size());
  ++selectionVersion_;
}

bool TextBox::TypeKey(int keyCode, int shift) {
  std::string text = text_;
  int start = selStart_;
  int length = selLength_;
  if (const char typed = TypedCharacter(keyCode, shift); typed != 0) {
    if (locked_) return true;
    text.replace(static_cast<size_t>(start), static_cast<size_t>(length), 1, typed);
    ++start;
  } else if (keyCode == key::kBack || keyCode == key::kDelete) {
    if (locked_) return true;
    if (length == 0 && keyCode == key::kBack && start > 0) length = 1, --start;
    if (length == 0 && keyCode == key::kDelete && start < static_cast<int>(text.size())) length = 1;
    text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
  } else if (keyCode == key::kLeft || keyCode == key::kRight) {
    // A selection collapses to its edge; otherwise the caret moves one.
    const bool left = keyCode == key::kLeft;
    if (length > 0) {
      start = left ? start : start + length;
    } else {
      start = std::clamp(start + (left ? -1 : 1), 0, static_cast<int>(text.size()));
    }
  } else {
    return false;
  }
  selStart_ = start;
  selLength_ = 0;
  ++selectionVersion_;
  SetText(std::move(text));
  return true;
}

}  // namespace verbsmith::forms

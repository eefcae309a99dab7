#include "forms/key_gesture.h"

#include "forms/key_codes.h"

namespace verbsmith::forms {

namespace {

bool IsLetterOrDigit(int keyCode) {
  return (keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9');
}

}  // namespace

std::optional<UserAction> KeyGesture(const Control& control, int keyCode, int shift, bool takesTyping) {
  if (!control.IsFocusable()) return std::nullopt;
  if (keyCode == key::kTab && shift == 0) return UserAction(ActionKind::kLeave, control.Name());
  const bool isFunctionKey = keyCode >= key::kF1 && keyCode <= key::kF12;
  const bool isAccessKey = (shift & shift::kAlt) != 0 && IsLetterOrDigit(keyCode);
  if (keyCode != key::kTab && keyCode != key::kReturn && keyCode != key::kEscape && !isFunctionKey &&
      !isAccessKey && takesTyping) {
    return std::nullopt;
  }
  UserAction action(ActionKind::kKey, control.Name());
  action.keyCode = keyCode;
  action.shift = shift;
  return action;
}

}  // namespace verbsmith::forms

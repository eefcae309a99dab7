#pragma once
// What a key pressed in a window's control is to the runtime, the same for
// every view: Tab moves on as a script's leave does; Shift+Tab, Enter,
// Escape, the function keys and Alt access keys are the runtime's keys, and
// so is every key on a control that takes no typing. Editing keys and moves
// within a list stay with the toolkit's own widget.

#include <optional>

#include "forms/control.h"
#include "forms/user_action.h"

namespace verbsmith::forms {

// `keyCode` and `shift` as KeyDown gives them; `takesTyping`: the control's
// widget edits text or moves within itself with the keys. nullopt: the key
// belongs to the widget (or, on a control that takes no focus, to its frame).
std::optional<UserAction> KeyGesture(const Control& control, int keyCode, int shift, bool takesTyping);

}  // namespace verbsmith::forms

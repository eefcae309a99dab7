#pragma once
// What a key does on a form, as the Windows dialog manager and Visual
// Basic's forms have it: Tab and Shift+Tab, Enter and Escape, access keys
// (Alt and the underlined letter), the arrow keys within an option group or
// a list of check boxes, typing into a text box. A key nobody takes is
// ignored.

#include "forms/user_action.h"

namespace verbsmith::forms {

class Control;
class Form;

// Presses the action's key with the focus on `focused` (nullptr: no control
// has it; the form's own keys still work).
void PressKey(Form& form, Control* focused, const UserAction& action);

}  // namespace verbsmith::forms

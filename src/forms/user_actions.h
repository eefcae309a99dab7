#pragma once
// What a person's action does to a form, with Visual Basic's behaviour:
// the focus moves to the control first (so the control left behind gets
// LostFocus), then the action's own events fire. A person cannot act on a
// control that is disabled or hidden, itself or through a container: such
// an action is refused and the refusal reported.

#include <stdexcept>
#include <string>

#include "forms/user_action.h"

namespace verbsmith::forms {

class Control;
class Form;

// An action that makes no sense at all: no such control on the form, or an
// action this kind of control does not take.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class ActionOutcome {
  kDone,
  kRefused,  // the control was disabled or hidden, or the entry is missing
  kDropped,  // the focus change moved the focus elsewhere (a LostFocus handler) before the action
};

// Carries out the action on the form. Throws ActionError as described above.
ActionOutcome PerformUserAction(Form& form, const UserAction& action);

// Whether a person could reach the control right now.
bool Reachable(const Form& form, const Control& control);
// A click as the mouse gives it: check boxes toggle, option buttons select.
void ClickAsPerson(Control& control);

}  // namespace verbsmith::forms

#include "forms/forms_runtime.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/name_match.h"

namespace verbsmith::forms {

FormsRuntime::FormsRuntime(Screen& screen, SessionEvents& events, ActionSource* actions)
    : screen_(screen), events_(events), actions_(actions) {}

std::optional<UserAction> FormsRuntime::NextAction() {
  if (exhausted_ || actions_ == nullptr) {
    exhausted_ = true;
    return std::nullopt;
  }
  std::optional<UserAction> action = actions_->Next();
  if (!action) exhausted_ = true;
  return action;
}

void FormsRuntime::NoteActionError(const UserAction& action, std::string message) {
  Tell(event::ActionFailed{message});
  if (actions_ != nullptr) actions_->ActionFailed(action, message);
  actionErrors_.push_back(std::move(message));
}

void FormsRuntime::Register(Form* form) {
  forms_.push_back(form);
}

void FormsRuntime::Unregister(Form* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  // A form destroyed while shown modally (an exception unwinding past it)
  // must not stay on the stack.
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
}

}  // namespace verbsmith::forms

#pragma once
// What all forms of one session share: the screen, the session's events, the
// source of user actions, the loaded forms and the stack of modal forms.
// There are no globals: every form is built on a runtime.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "forms/action_source.h"
#include "platform/screen.h"
#include "platform/session_events.h"

namespace verbsmith::forms {

class Form;

class FormsRuntime {
 public:
  // Without an action source every modal form closes at once, as when the
  // actions have run out.
  FormsRuntime(Screen& screen, SessionEvents& events, ActionSource* actions = nullptr);
  FormsRuntime(const FormsRuntime&) = delete;
  FormsRuntime& operator=(const FormsRuntime&) = delete;

  Screen& GetScreen() { return screen_; }
  SessionEvents& Events() { return events_; }
  void Tell(const SessionEvent& event) { events_.Happened(event); }

  void SetActionSource(ActionSource* actions) { actions_ = actions; }
  // The next user action; nullopt once the source has run dry (it is not
  // asked again after that) or was stopped.
  std::optional<UserAction> NextAction();
  bool ActionsExhausted() const { return exhausted_; }
  // Ends the feeding of actions, e.g. after a script error: every open modal
  // form then closes.
  void StopActions() { exhausted_ = true; }

  // Set when an action could not be carried out at all (no such control,
  // an action the control does not take); the run should fail.
  void NoteActionError(const UserAction& action, std::string message);
  const std::vector<std::string>& ActionErrors() const { return actionErrors_; }

  // The modal forms, innermost last.
  const std::vector<Form*>& ModalStack() const { return modalStack_; }
  Form* ActiveModalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
  // The forms built on this runtime and not yet destroyed.
  const std::vector<Form*>& Forms() const { return forms_; }

  // Window handles for new forms.
  int64_t NewWindowHandle() { return nextHandle_++; }

 private:
  friend class Form;
  void Register(Form* form);
  void Unregister(Form* form);
  void PushModal(Form* form) { modalStack_.push_back(form); }
  void PopModal() { modalStack_.pop_back(); }

  Screen& screen_;
  SessionEvents& events_;
  ActionSource* actions_;
  bool exhausted_ = false;
  std::vector<std::string> actionErrors_;
  std::vector<Form*> modalStack_;
  std::vector<Form*> forms_;
  int64_t nextHandle_ = 0x10010;
};

}  // namespace verbsmith::forms

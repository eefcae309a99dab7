#pragma once
// Feeds a parsed script to the modal loops: user actions are handed out in
// order; the answers for message boxes and file dialogs met on the way are
// queued into the dialogs, so they must come before the action
// that opens the box.

#include <optional>
#include <string>
#include <vector>

#include "forms/action_source.h"
#include "forms/script/script.h"
#include "platform/queued_dialogs.h"
#include "platform/session_events.h"

namespace verbsmith::forms {

class ScriptActionSource : public ActionSource {
 public:
  ScriptActionSource(std::vector<ScriptStep> steps, QueuedDialogs& dialogs, SessionEvents& events);

  std::optional<UserAction> Next() override;
  void ActionFailed(const UserAction& action, const std::string& message) override;

  // The steps never handed out (the forms closed before the script ended).
  size_t StepsLeft() const { return steps_.size() - next_; }
  // The line of the first step never handed out; 0 when all were.
  int FirstLineLeft() const { return next_ < steps_.size() ? steps_[next_].line : 0; }
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  std::vector<ScriptStep> steps_;
  size_t next_ = 0;
  QueuedDialogs& dialogs_;
  SessionEvents& events_;
  std::vector<std::string> errors_;
};

}  // namespace verbsmith::forms

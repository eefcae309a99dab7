#include "forms/script/script_action_source.h"

namespace verbsmith::forms {

ScriptActionSource::ScriptActionSource(std::vector<ScriptStep> steps, QueuedDialogs& dialogs,
                                       SessionEvents& events)
    : steps_(std::move(steps)), dialogs_(dialogs), events_(events) {}

std::optional<UserAction> ScriptActionSource::Next() {
  while (next_ < steps_.size()) {
    const ScriptStep& step = steps_[next_++];
    switch (step.kind) {
      case ScriptStep::Kind::kAnswer:
        events_.Happened(event::AnswerRead{step.echo});
        dialogs_.QueueAnswer(step.answer);
        break;
      case ScriptStep::Kind::kFile:
        events_.Happened(event::AnswerRead{step.echo});
        dialogs_.QueueFile(step.file);
        break;
      case ScriptStep::Kind::kAction:
        return step.action;
    }
  }
  return std::nullopt;
}

void ScriptActionSource::ActionFailed(const UserAction&, const std::string& message) {
  errors_.push_back(message);
}

}  // namespace verbsmith::forms

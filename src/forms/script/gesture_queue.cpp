#include "forms/script/gesture_queue.h"

#include "forms/script/script_writer.h"

namespace verbsmith::forms {

void GestureQueue::Post(UserAction action) {
  if (stopped_) return;
  if (action.kind == ActionKind::kResize && !pending_.empty() &&
      pending_.back().kind == ActionKind::kResize) {
    pending_.pop_back();
  }
  pending_.push_back(std::move(action));
}

void GestureQueue::Stop() {
  stopped_ = true;
  pending_.clear();
}

std::optional<UserAction> GestureQueue::Take() {
  if (stopped_ || pending_.empty()) return std::nullopt;
  UserAction action = std::move(pending_.front());
  pending_.pop_front();
  action.echo = ScriptLine(action);
  if (recording_ != nullptr) recording_->Action(action);
  return action;
}

}  // namespace verbsmith::forms

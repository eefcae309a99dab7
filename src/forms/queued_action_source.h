#pragma once
// An action source that hands out a fixed list of actions, optionally
// running a callback before each one (tests use it to look at a form while
// its modal loop is running).

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "forms/action_source.h"

namespace verbsmith::forms {

class QueuedActionSource : public ActionSource {
 public:
  QueuedActionSource() = default;

  QueuedActionSource& Type(std::string control, std::string text) {
    return Push(UserAction(ActionKind::kType, std::move(control), std::move(text)));
  }
  QueuedActionSource& Click(std::string control) {
    return Push(UserAction(ActionKind::kClick, std::move(control)));
  }
  QueuedActionSource& Choose(std::string control, std::string text) {
    return Push(UserAction(ActionKind::kChoose, std::move(control), std::move(text)));
  }
  QueuedActionSource& Choose(std::string control, int index) {
    UserAction action(ActionKind::kChoose, std::move(control));
    action.index = index;
    return Push(std::move(action));
  }
  QueuedActionSource& Key(std::string control, int keyCode, int shift = 0) {
    UserAction action(ActionKind::kKey, std::move(control));
    action.keyCode = keyCode;
    action.shift = shift;
    return Push(std::move(action));
  }
  QueuedActionSource& Leave(std::string control) {
    return Push(UserAction(ActionKind::kLeave, std::move(control)));
  }
  QueuedActionSource& Close() { return Push(UserAction(ActionKind::kClose)); }
  // Runs the callback when the loop asks for the next action, before it gets it.
  QueuedActionSource& Then(std::function<void()> callback) {
    steps_.push_back({std::nullopt, std::move(callback)});
    return *this;
  }
  QueuedActionSource& Push(UserAction action) {
    steps_.push_back({std::move(action), nullptr});
    return *this;
  }

  std::optional<UserAction> Next() override {
    while (!steps_.empty()) {
      Step step = std::move(steps_.front());
      steps_.pop_front();
      if (step.callback) step.callback();
      if (step.action) return step.action;
    }
    return std::nullopt;
  }

  size_t Remaining() const { return steps_.size(); }

 private:
  struct Step {
    std::optional<UserAction> action;
    std::function<void()> callback;
  };
  std::deque<Step> steps_;
};

}  // namespace verbsmith::forms

#pragma once
// Where a modal loop gets the next user action from: a script in headless
// runs, a queue in tests. Nested modal loops pull from the same source.

#include <optional>
#include <string>

#include "forms/user_action.h"

namespace verbsmith::forms {

class ActionSource {
 public:
  virtual ~ActionSource() = default;
  // The next action, or nullopt when there are no more. Once it has answered
  // nullopt it is not asked again.
  virtual std::optional<UserAction> Next() = 0;
  // Told when an action it gave could not be carried out at all (no such
  // control, an action the control does not take); no action follows.
  virtual void ActionFailed(const UserAction& /*action*/, const std::string& /*message*/) {}
};

}  // namespace verbsmith::forms

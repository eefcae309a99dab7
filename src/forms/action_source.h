#pragma once
// Where a modal loop gets the next user action from: a script in headless
// runs, a queue in tests. Nested modal loops pull from the same source.

#include <optional>

#include "forms/user_action.h"

namespace verbsmith::forms {

class ActionSource {
 public:
  virtual ~ActionSource() = default;
  // The next action, or nullopt when there are no more. Once it has answered
  // nullopt it is not asked again.
  virtual std::optional<UserAction> Next() = 0;
};

}  // namespace verbsmith::forms

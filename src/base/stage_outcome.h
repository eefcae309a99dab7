#pragma once
// What one stage of a run came to, for the flow that runs it: the stage
// shows nothing itself; the flow decides whether the run goes on and shows
// the messages once.

#include <vector>

namespace verbsmith {

struct StageOutcome {
  // String-table numbers of the messages for what went wrong, in the order
  // met.
  std::vector<int> messages;
  // Whether something the run needs was not made; a message alone may only
  // say that something was not quite as asked.
  bool failed = false;
};

}  // namespace verbsmith

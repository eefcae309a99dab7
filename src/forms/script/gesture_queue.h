#pragma once
// The actions a person's gestures in a window gave, waiting for the modal
// loop, as every view keeps them. Each is handed out echoed as the script
// line that does the same, so that a window session and its replay print
// the same transcript, and is told to the session's recording.

#include <deque>
#include <optional>

#include "forms/script/session_recording.h"
#include "forms/user_action.h"

namespace verbsmith::forms {

class GestureQueue {
 public:
  void SetRecording(SessionRecording* recording) { recording_ = recording; }

  // Ignored once stopped. A border dragged gives a size at every step; the
  // last one is enough.
  void Post(UserAction action);
  // No more actions, now or later: every open form closes.
  void Stop();
  bool Stopped() const { return stopped_; }
  // Whether a modal loop has nothing to take and should wait for a person.
  bool Waiting() const { return pending_.empty() && !stopped_; }
  // The next action, or nullopt once stopped or when there is none.
  std::optional<UserAction> Take();

 private:
  std::deque<UserAction> pending_;
  SessionRecording* recording_ = nullptr;
  bool stopped_ = false;
};

}  // namespace verbsmith::forms

#pragma once
// Records a session driven by a person as a script that `verbsmith run`
// replays to the same transcript.
//
// A script queues the answer of a message box or file dialog before the
// action that opens the box, but a person answers it while the action runs.
// So the recording holds each action, and the session events it causes,
// until the next action is handed out (or the session ends); then it writes
// the answers first, as a replay would echo them, then the held action.
//
//   SessionRecording recording(streamTranscript);
//   FormsRuntime runtime(screen, recording, &source);  // events go through it
//   recording.Action(action);      // by the action source, as it hands one out
//   recording.Answer(mbresult::kYes);   // by the dialogs, as a box is answered
//   recording.Finish();
//   file << recording.Script();

#include <optional>
#include <string>
#include <vector>

#include "forms/user_action.h"
#include "platform/session_events.h"

namespace verbsmith::forms {

class SessionRecording : public SessionEvents {
 public:
  // Events go on to `out`, in the order a replay tells them.
  explicit SessionRecording(SessionEvents& out);

  void Happened(const SessionEvent& event) override;

  // An action handed to a modal loop; the one before it is settled.
  void Action(const UserAction& action);
  // A message box's answer (one of mbresult), or a file dialog's file.
  void Answer(int answer);
  void File(const std::optional<std::string>& path);
  // Settles the last action: call when the session has ended.
  void Finish();

  // The script so far: one line each, ended by "\n".
  const std::string& Script() const { return script_; }

 private:
  void Settle();
  void Write(const std::string& line);

  SessionEvents& out_;
  std::string script_;
  std::vector<std::string> answers_;
  std::optional<std::string> heldAction_;
  std::vector<SessionEvent> heldEvents_;
};

}  // namespace verbsmith::forms

#include "forms/script/session_recording.h"

#include "forms/script/script_writer.h"

namespace verbsmith::forms {

SessionRecording::SessionRecording(SessionEvents& out) : out_(out) {}

void SessionRecording::Happened(const SessionEvent& event) {
  if (heldAction_) {
    heldEvents_.push_back(event);
  } else {
    out_.Happened(event);
  }
}

void SessionRecording::Action(const UserAction& action) {
  Settle();
  heldAction_ = ScriptLine(action);
}

void SessionRecording::Answer(int answer) {
  answers_.push_back(AnswerLine(answer));
}

void SessionRecording::File(const std::optional<std::string>& path) {
  answers_.push_back(FileLine(path));
}

void SessionRecording::Finish() {
  Settle();
}

void SessionRecording::Write(const std::string& line) {
  script_ += line + "\n";
}

void SessionRecording::Settle() {
  // A replay echoes a queued answer when it reads it, before the action.
  for (const std::string& answer : answers_) {
    Write(answer);
    out_.Happened(event::AnswerRead{answer});
  }
  answers_.clear();
  if (!heldAction_) return;
  Write(*heldAction_);
  heldAction_.reset();
  for (const SessionEvent& event : heldEvents_) out_.Happened(event);
  heldEvents_.clear();
}

}  // namespace verbsmith::forms

#include "forms/script/session_recording.h"

#include "forms/script/script_writer.h"

namespace verbsmith::forms {

SessionRecording::SessionRecording(Transcript& out) : out_(out) {}

void SessionRecording::Event(std::string line) {
  if (heldAction_) {
    heldEvents_.push_back(std::move(line));
  } else {
    out_.Event(std::move(line));
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
    out_.Event("> " + answer);
  }
  answers_.clear();
  if (!heldAction_) return;
  Write(*heldAction_);
  heldAction_.reset();
  for (std::string& line : heldEvents_) out_.Event(std::move(line));
  heldEvents_.clear();
}

}  // namespace verbsmith::forms

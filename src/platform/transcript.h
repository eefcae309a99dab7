#pragma once
// A session's events as text, one line each (a recap or a plan as a line
// per line of it): headless runs print it, golden example sessions hold it.

#include <ostream>
#include <string>
#include <vector>

#include "platform/session_events.h"

namespace verbsmith {

// The lines an event reads as, without line ends.
std::vector<std::string> TranscriptLines(const SessionEvent& event);

// Keeps the events and their lines in memory.
class StringTranscript : public SessionEvents {
 public:
  void Happened(const SessionEvent& event) override;

  const std::vector<SessionEvent>& Events() const { return events_; }
  const std::vector<std::string>& Lines() const { return lines_; }
  // All lines, each ended by "\n".
  std::string Text() const;
  void Clear() {
    events_.clear();
    lines_.clear();
  }

 private:
  std::vector<SessionEvent> events_;
  std::vector<std::string> lines_;
};

// Writes each line to a stream as it happens, so a run that fails part way
// still shows what came before.
class StreamTranscript : public SessionEvents {
 public:
  explicit StreamTranscript(std::ostream& out) : out_(out) {}
  void Happened(const SessionEvent& event) override;

 private:
  std::ostream& out_;
};

// Ignores every event.
class NullTranscript : public SessionEvents {
 public:
  void Happened(const SessionEvent&) override {}
};

}  // namespace verbsmith

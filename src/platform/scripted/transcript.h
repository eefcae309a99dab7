#pragma once
// A line sink for what a person at the screen would have seen: headless runs
// print it, tests read it back.

#include <ostream>
#include <string>
#include <vector>

#include "base/escape_controls.h"

namespace verbsmith {

class Transcript {
 public:
  virtual ~Transcript() = default;
  // One event, one line, without a line end.
  virtual void Event(std::string line) = 0;
};

// Keeps the lines in memory.
class StringTranscript : public Transcript {
 public:
  void Event(std::string line) override { lines_.push_back(std::move(line)); }

  const std::vector<std::string>& Lines() const { return lines_; }
  // All lines, each ended by "\n".
  std::string Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
  }
  void Clear() { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
};

// Writes each line to a stream as it happens, so a run that fails part way
// still shows what came before.
class StreamTranscript : public Transcript {
 public:
  explicit StreamTranscript(std::ostream& out) : out_(out) {}
  // Lines carry texts from files and entries: a control character in one
  // is spelled out, so it reaches no terminal raw.
  void Event(std::string line) override { out_ << EscapeControls(line) << '\n' << std::flush; }

 private:
  std::ostream& out_;
};

// Ignores every line.
class NullTranscript : public Transcript {
 public:
  void Event(std::string) override {}
};

}  // namespace verbsmith

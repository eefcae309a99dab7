#pragma once
// Help: topics of the help file, the frequently-asked-questions page, and
// the development environment's online books.

#include <string>

#include "platform/host.h"
#include "platform/ide.h"

namespace verbsmith {

// The run's help file: empty until a topic is first asked for, then the
// application's help file when it exists, else the file the user picks.
class HelpFile {
 public:
  explicit HelpFile(Host& host) : host_(host) {}

  // Where the add-in's own help file is expected (found at start-up).
  void SetApplicationHelpFile(std::string path) { applicationHelpFile_ = std::move(path); }
  // Forgets the file found, as a new run does.
  void Reset() { path_.clear(); }

  // Opens the topic by its context number; asks for the file the first
  // time when it is not where expected, and says so when there is none.
  void ShowTopic(int topic);

 private:
  Host& host_;
  std::string applicationHelpFile_;
  std::string path_;
};

// Opens the add-in's "help\cxfaq.htm" with the system's open verb.
void ShowFrequentlyAskedQuestions(Host& host);

// Starts the development environment's online books, found through VB.INI
// (or, for version 5, the registry).
void StartOnlineBooks(Host& host, const Ide* environment);

}  // namespace verbsmith

#pragma once
// What undoes a Finish that did not complete: the command-set entry as it
// was, the files as they were, and the directories the run made. A Finish
// writes its journal before it changes anything and deletes it when all is
// in place, so a journal that outlives its process tells the next start of
// the product what to take back.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/command_set.h"
#include "platform/host.h"

namespace verbsmith {

// How long a Finish, or the taking back of one, waits for another Finish at
// work on the same project before it gives up.
inline constexpr std::chrono::seconds kProjectLockWait{3};

struct FinishJournal {
  struct File {
    std::string path;                   // Windows form
    std::optional<std::string> before;  // the bytes it had; none when it was not there
  };

  ProcessId process = 0;
  // The project directory the run writes in, Windows form.
  std::string project;
  std::string company;
  std::string application;
  std::string progId;
  // Set once the command is about to be registered: only then has the
  // entry anything to take back.
  bool registering = false;
  std::optional<CommandEntry> entryBefore;
  // The project directories the run made, oldest first: those of the
  // project step, then those the Finish itself made.
  std::vector<std::string> createdDirectories;
  std::vector<File> files;

  // UTF-8, so that every name and text comes back as it was.
  std::string ToJson() const;
  // Throws VbError (75) when the bytes are not a journal of this version
  // in UTF-8: one that cannot be read exactly is not acted on.
  static FinishJournal FromJson(const std::string& bytes);
};

// Puts back what the journal says: the files, the entry, then removes the
// directories, newest first. Goes on past a step that fails; the first
// failure is rethrown at the end, so that the journal is kept for another
// try.
void UndoFinish(Host& host, const FinishJournal& journal);

// Undoes every journal in the host's journal directory that no Finish holds
// locked any more, and deletes it. One line per journal, saying what was
// undone or why it could not be; a journal that cannot be read exactly, or
// that names paths outside its run, is refused whole and kept.
std::vector<std::string> UndoInterruptedFinishes(Host& host);

}  // namespace verbsmith

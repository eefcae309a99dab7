#pragma once
// What a Finish would do, worked out by the run itself with every file it
// makes held, so that a preview and a real Finish can never disagree.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/command_set.h"

namespace verbsmith {

struct FinishPlan {
  struct File {
    std::string path;
    // "create", "replace", "unchanged" or "delete"
    std::string action;
    // Unified diff of the text against what is on disk; empty for a binary
    // file or one that does not change.
    std::string diff;
    // Where the write lands when the path is a symbolic link; else empty.
    std::string linkTarget;
  };

  std::string purpose;  // "create", "edit" or "add"
  std::vector<std::string> directories;
  std::vector<File> files;
  std::string company;
  std::string application;
  CommandEntry entry;
  std::optional<CommandEntry> entryBefore;  // none: the entry is added
  bool removesEntry = false;                // a deletion: entry is the one removed
  // The initialisation file's keys: section, key, value.
  std::vector<std::vector<std::string>> iniKeys;
  std::string compiler;  // the resource compiler run, when bitmaps are compiled
  std::string handOff;   // the project the environment is offered to open

  // What happens to the entry: "add", "replace" or "remove".
  std::string EntryAction() const;
  std::string ToJson() const;
  // The plan as transcript lines: what happens to each directory, file and
  // the entry, with the diff of every file that is replaced.
  std::vector<std::string> ToLines() const;
};

// The unified diff (three lines of context) between two texts, line by
// line; "" when they are the same.
std::string UnifiedDiff(const std::string& path, const std::string& before, const std::string& after);

}  // namespace verbsmith

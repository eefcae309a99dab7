#pragma once
// Whether a journal may be acted on: taking a run back writes and deletes
// the files it names and removes the directories it names, so a journal
// edited by hand could otherwise reach anything on the disk.

#include <optional>
#include <string>

#include "wizard/finish_journal.h"

namespace verbsmith {

// The first path of the journal that it may not name, or nothing. Every
// path is a plain absolute one (a drive, no "." or "..", no wildcards);
// the project and the directories the run made are not a drive's root; and
// every file lies inside the project or one of those directories.
std::optional<std::string> ForeignPathOf(const FinishJournal& journal);

}  // namespace verbsmith

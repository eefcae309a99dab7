#pragma once
// The directories a wizard run makes, and their removal when the run ends
// without finishing (cancelled, closed, refused, taken back, or killed),
// so that such a run leaves the disk as it found it. Each directory is
// written down in the host's journal directory before it is made; the next
// start of the product removes those of a run whose process has ended.
//
// Only what the run made goes, and only as the run left it: a directory
// that holds anything (another wizard may have finished a project in it
// meanwhile) stays with everything in it.

#include <string>
#include <vector>

#include "platform/host.h"

namespace verbsmith {

// Removes the directories, newest first, each only when it is empty;
// nothing in them is deleted. Failures are skipped.
void RemoveCreatedDirectories(FileSystem& fs, const std::vector<std::string>& directories);

class RunDirectories {
 public:
  explicit RunDirectories(Host& host) : host_(host) {}
  RunDirectories(const RunDirectories&) = delete;
  RunDirectories& operator=(const RunDirectories&) = delete;

  // Makes the directory, written down first. Throws VbError as the file
  // system does. While the host holds every change (a dry run) the
  // directory is made there and is not the run's to remove.
  void Make(const std::string& path);
  // What this run made on disk, oldest first.
  const std::vector<std::string>& Made() const { return made_; }
  // The run is finished: its directories belong to the project now.
  void Keep();
  // The run ends without finishing: what it made goes, as far as it may.
  void Remove();

 private:
  void Record();
  void RecordIgnoringFailure();

  Host& host_;
  std::vector<std::string> made_;
};

// Removes the directories that runs whose process has ended made, and
// forgets those runs. One line for each run whose directories went.
std::vector<std::string> RemoveDirectoriesOfEndedRuns(Host& host);

}  // namespace verbsmith

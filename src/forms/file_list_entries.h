#pragma once
// What the drive and directory lists show, read from the file system port:
// the runtime holds only the drive and the path.

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace verbsmith::forms {

// The drive letters that lead somewhere, as "c:"; none without a port.
std::vector<std::string> DriveEntries(FileSystem* files);

// Like Windows: the drive root, each directory down to the current one
// (open), then the current one's subdirectories; each with its full path.
struct DirEntry {
  std::string path;
  std::string name;
  int depth = 0;
  bool open = false;
};
std::vector<DirEntry> DirListEntries(const std::string& path, FileSystem* files);

}  // namespace verbsmith::forms

#pragma once
// Locks that tell whether some process is at work on a file or directory.
// A lock lives with the handle that holds it and ends with its process
// however that ends, so a lock that can be taken names something nobody is
// working on, whatever became of the process that worked on it before.

#include <chrono>
#include <memory>
#include <string>

namespace verbsmith {

// Held until destroyed.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

class FileLocks {
 public:
  virtual ~FileLocks() = default;

  // Puts the bytes in place as FileSystem::WriteBytes does, the new file
  // locked before it takes its name, so that no moment shows it unlocked.
  virtual std::unique_ptr<FileLock> WriteLocked(const std::string& path, const std::string& bytes) = 0;

  // Locks the file or directory, waiting at most `wait` while another holds
  // it; nullptr when it is still held then. Throws VbError 53 (76) when
  // nothing is there, also when it went while waiting; one replaced
  // meanwhile is locked as it now is.
  virtual std::unique_ptr<FileLock> Lock(const std::string& path, std::chrono::milliseconds wait) = 0;
};

}  // namespace verbsmith

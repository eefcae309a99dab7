#pragma once
// File locks on Windows: LockFileEx on an open handle, which the system
// drops when the process ends, killed or not. The locked byte lies far past
// the end of any file, so a lock never stands in the way of reading it.
// Directories, which take no such lock, are held by an open that shares no
// writing.

#include "platform/file_locks.h"
#include "platform/win32/win32_file_system.h"

namespace verbsmith {

class Win32FileLocks : public FileLocks {
 public:
  // Locked files are written by `files`.
  explicit Win32FileLocks(Win32FileSystem& files) : files_(files) {}

  std::unique_ptr<FileLock> WriteLocked(const std::string& path, const std::string& bytes) override;
  std::unique_ptr<FileLock> Lock(const std::string& path, std::chrono::milliseconds wait) override;

 private:
  Win32FileSystem& files_;
};

}  // namespace verbsmith

#pragma once
// File locks on a POSIX host: flock(2) on an open descriptor, which the
// kernel drops when the process ends, killed or not.

#include "platform/file_locks.h"
#include "platform/posix/posix_file_system.h"

namespace verbsmith {

class PosixFileLocks : public FileLocks {
 public:
  // Paths are mapped, and locked files written, by `files`.
  explicit PosixFileLocks(PosixFileSystem& files) : files_(files) {}

  std::unique_ptr<FileLock> WriteLocked(const std::string& path, const std::string& bytes) override;
  std::unique_ptr<FileLock> Lock(const std::string& path, std::chrono::milliseconds wait) override;

 private:
  PosixFileSystem& files_;
};

}  // namespace verbsmith

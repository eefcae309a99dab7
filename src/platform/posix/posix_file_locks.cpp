#include "platform/posix/posix_file_locks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/posix/file_error.h"

namespace verbsmith {

namespace {

class HeldLock : public FileLock {
 public:
  explicit HeldLock(int fd) : fd_(fd) {}
  ~HeldLock() override { ::close(fd_); }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

 private:
  int fd_;
};

constexpr std::chrono::milliseconds kPollInterval{20};

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::unique_ptr<FileLock> PosixFileLocks::WriteLocked(const std::string& path, const std::string& bytes) {
  std::unique_ptr<FileLock> lock;
  files_.WriteBytesThen(path, bytes, [&lock](int fd) {
    // The new file has no other user yet, so the lock is had at once.
    const int own = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0) throw VbFileError(errno, Missing::kFile);
    lock = std::make_unique<HeldLock>(own);
    if (::flock(own, LOCK_EX | LOCK_NB) != 0) throw VbFileError(errno, Missing::kFile);
  });
  return lock;
}

std::unique_ptr<FileLock> PosixFileLocks::Lock(const std::string& path, std::chrono::milliseconds wait) {
  const std::string host = files_.HostPath(path);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw VbFileError(errno, Missing::kFile);
    auto lock = std::make_unique<HeldLock>(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Whoever held it may have removed or replaced it before letting go.
      struct stat locked {
      }, named{};
      if (::fstat(fd, &locked) != 0) throw VbFileError(errno, Missing::kFile);
      if (::stat(host.c_str(), &named) != 0) throw VbFileError(errno, Missing::kFile);
      if (SameFile(locked, named)) return lock;
      continue;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) throw VbFileError(errno, Missing::kFile);
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace verbsmith

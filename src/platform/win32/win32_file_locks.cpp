#include "platform/win32/win32_file_locks.h"

#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_error.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

class HeldLock : public FileLock {
 public:
  explicit HeldLock(HANDLE handle) : handle_(handle) {}
  ~HeldLock() override { CloseHandle(handle_); }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

constexpr std::chrono::milliseconds kPollInterval{20};

// Shared in every way, so that a locked file can still be read, replaced
// and deleted, as a flock(2)ed one can; directories open too.
HANDLE OpenShared(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::unique_ptr<HeldLock> Open(const std::wstring& path) {
  HANDLE handle = OpenShared(path);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastFileError();
  return std::make_unique<HeldLock>(handle);
}

// Whether the lock was had; false when another handle holds it.
bool TryLock(HANDLE handle) {
  OVERLAPPED at{};
  at.OffsetHigh = 0x7FFFFFFF;
  if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return true;
  if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING) ThrowLastFileError();
  return false;
}

// A directory takes no byte-range lock: an open that lets nobody else open
// it for writing stands for one. Listing it, and making, replacing and
// removing what is in it, open it for reading or not at all. nullptr while
// another holds it.
std::unique_ptr<HeldLock> LockDirectory(const std::wstring& path) {
  HANDLE handle = CreateFileW(path.c_str(), FILE_WRITE_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle != INVALID_HANDLE_VALUE) return std::make_unique<HeldLock>(handle);
  if (GetLastError() != ERROR_SHARING_VIOLATION) ThrowLastFileError();
  return nullptr;
}

bool SameFile(HANDLE handle, const std::wstring& path) {
  BY_HANDLE_FILE_INFORMATION locked{}, named{};
  if (!GetFileInformationByHandle(handle, &locked)) ThrowLastFileError();
  HeldLock now(OpenShared(path));
  if (now.Get() == INVALID_HANDLE_VALUE) ThrowLastFileError();
  if (!GetFileInformationByHandle(now.Get(), &named)) ThrowLastFileError();
  return locked.dwVolumeSerialNumber == named.dwVolumeSerialNumber &&
         locked.nFileIndexHigh == named.nFileIndexHigh && locked.nFileIndexLow == named.nFileIndexLow;
}

}  // namespace

std::unique_ptr<FileLock> Win32FileLocks::WriteLocked(const std::string& path, const std::string& bytes) {
  std::unique_ptr<FileLock> lock;
  files_.WriteBytesThen(path, bytes, [&lock](const std::wstring& written) {
    // The new file has no other user yet, so the lock is had at once.
    auto held = Open(written);
    if (!TryLock(held->Get())) ThrowFileError(vberr::kPermissionDenied);
    lock = std::move(held);
  });
  return lock;
}

std::unique_ptr<FileLock> Win32FileLocks::Lock(const std::string& path, std::chrono::milliseconds wait) {
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastFileError();
  const bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (directory) {
      if (auto lock = LockDirectory(wide)) return lock;
    } else if (auto lock = Open(wide); TryLock(lock->Get())) {
      // Whoever held it may have removed or replaced it before letting go.
      if (SameFile(lock->Get(), wide)) return lock;
      continue;
    }
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace verbsmith

#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <utility>

#include "base/cp1252.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "platform/posix/file_error.h"
#include "platform/posix/temp_file_registry.h"
#include "platform/wildcard.h"

namespace verbsmith {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSource = "Verbsmith";
constexpr std::size_t kChunkSize = 64 * 1024;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
constexpr mode_t kNewDirectoryMode = 0777;
constexpr mode_t kAllWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
// Unique numbers of temporary files are sixteen bits, as on Windows.
constexpr unsigned kUniqueRange = 0xFFFF;

// Owns an open descriptor.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;

  int Get() const { return fd_; }
  // Closes now, so that a failure of close can be reported.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Removes a temporary file unless the write that made it was completed.
class TempFileGuard {
 public:
  explicit TempFileGuard(fs::path path) : path_(std::move(path)) {}
  ~TempFileGuard() {
    if (!committed_) ::unlink(path_.c_str());
  }
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;

  void Commit() { committed_ = true; }

 private:
  fs::path path_;
  bool committed_ = false;
};

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// A Windows path split before its last component; "C:name" splits after
// the colon.
std::pair<std::string, std::string> SplitLast(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string::npos) return {path.substr(0, separator + 1), path.substr(separator + 1)};
  if (path.size() >= 2 && path[1] == ':') return {path.substr(0, 2), path.substr(2)};
  return {"", path};
}

// Whether "no such entry" concerns the entry itself or a directory above it.
Missing WhatIsMissing(const fs::path& host) {
  std::error_code ec;
  return fs::is_directory(host.parent_path(), ec) ? Missing::kFile : Missing::kPath;
}

[[noreturn]] void ThrowErrno(int errnoValue, Missing whenNotFound) {
  throw VbFileError(errnoValue, whenNotFound);
}

[[noreturn]] void ThrowNumber(int32_t number) {
  throw VbFileErrorOfNumber(number);
}

bool IsReadOnly(const struct stat& st) {
  return (st.st_mode & S_IWUSR) == 0;
}

}  // namespace

PosixFileSystem::PosixFileSystem() : PosixFileSystem(PathMapper::FromEnvironment()) {}

PosixFileSystem::PosixFileSystem(PathMapper mapper, WriteCall writeCall)
    : mapper_(std::move(mapper)), writeCall_(std::move(writeCall)) {
  if (!writeCall_)
    writeCall_ = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
}

std::vector<std::string> PosixFileSystem::List(const std::string& pattern, uint32_t attributes) {
  auto [directory, name] = SplitLast(pattern);
  const bool wholeDirectory = name.empty();
  if (wholeDirectory) name = "*.*";
  PathMapper::CheckComponent(name, true);

  fs::path host;
  try {
    host = mapper_.ToHost(directory.empty() ? "." : directory);
  } catch (const VbError& error) {
    if (error.Number() == vberr::kPathNotFound) return {};
    throw;
  }
  std::error_code ec;
  fs::directory_iterator it(host, ec);
  if (ec) return {};

  const bool withDirectories = (attributes & attr::kDirectory) != 0;
  std::vector<std::string> names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string entry = it->path().filename().string();
    if (!MatchesWildcard(name, entry)) continue;
    std::error_code statError;
    const fs::file_status status = it->status(statError);
    if (statError) continue;  // a dangling link names nothing
    if (fs::is_regular_file(status) || (withDirectories && fs::is_directory(status))) {
      names.push_back(std::move(entry));
    }
  }
  SortListing(names);
  if (wholeDirectory && withDirectories) names.insert(names.begin(), ".");
  return names;
}

void PosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  Copy(from, to, Kind::kKept);
}

void PosixFileSystem::CopyWorkingFile(const std::string& from, const std::string& to) {
  Copy(from, to, Kind::kWorking);
}

void PosixFileSystem::Copy(const std::string& from, const std::string& to, Kind kind) {
  const fs::path source = mapper_.ToHost(from);
  const std::string bytes = ReadHostFile(source);
  struct stat st {};
  const std::optional<mode_t> mode =
      ::stat(source.c_str(), &st) == 0 ? std::optional<mode_t>(st.st_mode & 07777) : std::nullopt;
  WriteAtomically(mapper_.ToHost(to), bytes, false, mode, kind);
}

uint32_t PosixFileSystem::GetAttributes(const std::string& path) {
  const fs::path host = mapper_.ToHost(path);
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0) ThrowErrno(errno, WhatIsMissing(host));
  uint32_t result = attr::kNormal;
  if (S_ISDIR(st.st_mode)) result |= attr::kDirectory;
  if (IsReadOnly(st)) result |= attr::kReadOnly;
  const std::string name = host.filename().string();
  if (name.size() > 1 && name[0] == '.' && name != "..") result |= attr::kHidden;
  return result;
}

void PosixFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  const fs::path host = mapper_.ToHost(path);
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0) ThrowErrno(errno, WhatIsMissing(host));
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & attr::kReadOnly) != 0 ? (mode & ~kAllWriteBits) : (mode | S_IWUSR);
  if (::chmod(host.c_str(), mode) != 0) ThrowErrno(errno, Missing::kFile);
}

void PosixFileSystem::DeleteFile(const std::string& path) {
  const auto [directory, name] = SplitLast(path);
  std::vector<fs::path> victims;
  if (HasWildcard(name)) {
    // Like Kill, a pattern deletes every plain file it matches.
    const fs::path hostDirectory = mapper_.ToHost(directory.empty() ? "." : directory);
    for (const std::string& match : List(path, attr::kNormal)) victims.push_back(hostDirectory / match);
    if (victims.empty()) ThrowNumber(vberr::kFileNotFound);
  } else {
    victims.push_back(mapper_.ToHost(path));
  }
  for (const fs::path& victim : victims) {
    struct stat st {};
    if (::stat(victim.c_str(), &st) != 0) {
      // A dangling link is still a name that can go.
      if (errno == ENOENT && ::unlink(victim.c_str()) == 0) continue;
      ThrowErrno(ENOENT, WhatIsMissing(victim));
    }
    if (S_ISDIR(st.st_mode) || IsReadOnly(st)) ThrowNumber(vberr::kPathFileAccessError);
    if (::unlink(victim.c_str()) != 0) ThrowErrno(errno, WhatIsMissing(victim));
    mapper_.Learn(victim, false);
    scratchFiles_.erase(victim.native());
  }
}

void PosixFileSystem::MakeDirectory(const std::string& path) {
  const fs::path host = mapper_.ToHost(path);
  if (::mkdir(host.c_str(), kNewDirectoryMode) != 0) ThrowErrno(errno, Missing::kPath);
  mapper_.Learn(host, true);
}

void PosixFileSystem::RemoveDirectory(const std::string& path) {
  const fs::path host = mapper_.ToHost(path);
  int result = ::rmdir(host.c_str());
  if (result != 0 && (errno == ENOTEMPTY || errno == EEXIST)) {
    // What killed writes left counts for nothing.
    RemoveStaleTempFiles(host);
    result = ::rmdir(host.c_str());
  }
  if (result != 0) ThrowErrno(errno, Missing::kPath);
  mapper_.ForgetDirectories();
}

std::string PosixFileSystem::CurrentDirectory() {
  std::error_code ec;
  const fs::path here = fs::current_path(ec);
  if (ec) ThrowErrno(ec.value(), Missing::kPath);
  return mapper_.ToWindows(here);
}

void PosixFileSystem::SetCurrentDirectory(const std::string& path) {
  const fs::path host = mapper_.ToHost(path);
  if (::chdir(host.c_str()) != 0) ThrowErrno(errno, Missing::kPath);
}

std::string PosixFileSystem::CreateTempFile(const std::string& directory, const std::string& prefix) {
  const fs::path host = mapper_.ToHost(directory);
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0) ThrowErrno(errno, Missing::kPath);
  if (!S_ISDIR(st.st_mode)) ThrowNumber(vberr::kPathNotFound);
  PathMapper::CheckComponent(TempFileName(prefix, 0), false);

  // Windows names the directory as the caller gave it when that is a full
  // path; anything else is made full here.
  const bool full = directory.size() >= 3 && directory[1] == ':' && IsSeparator(directory[2]);
  std::string windowsDirectory = full ? directory : mapper_.ToWindows(host);
  if (!IsSeparator(windowsDirectory.back())) windowsDirectory += '\\';

  const auto ticks = static_cast<unsigned long>(std::chrono::steady_clock::now().time_since_epoch().count());
  const unsigned first =
      static_cast<unsigned>((ticks ^ static_cast<unsigned long>(::getpid())) % kUniqueRange);
  for (unsigned attempt = 0; attempt < kUniqueRange; ++attempt) {
    const unsigned unique = (first + attempt) % kUniqueRange + 1;
    const std::string name = TempFileName(prefix, unique);
    const int fd = ::open((host / name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0) {
      ::close(fd);
      mapper_.Learn(host / name, true);
      scratchFiles_[(host / name).native()] = std::make_unique<RegisteredTempFile>(host / name);
      return windowsDirectory + name;
    }
    if (errno != EEXIST) ThrowErrno(errno, Missing::kPath);
  }
  ThrowNumber(vberr::kFileAlreadyExists);
}

std::string PosixFileSystem::ResolvedPath(const std::string& path) {
  try {
    std::error_code ec;
    // A link that leads nowhere is replaced by the write, not followed: it
    // resolves to itself.
    const fs::path resolved = fs::weakly_canonical(mapper_.ToHost(path), ec);
    return ec ? path : mapper_.ToWindows(resolved);
  } catch (const VbError&) {
    return path;
  }
}

void PosixFileSystem::CheckWritable(const std::string& directory) {
  const fs::path host = mapper_.ToHost(directory);
  const int fd = ::open(host.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd >= 0) {
    ::close(fd);
    return;
  }
  const int failure = errno;
  // A file system without unnamed files: a named one, removed at once.
  if (failure == EOPNOTSUPP || failure == EISDIR || failure == EINVAL)
    return FileSystem::CheckWritable(directory);
  // Said as CreateTempFile says it.
  if (failure == ENOTDIR) ThrowNumber(vberr::kPathNotFound);
  ThrowErrno(failure, Missing::kPath);
}

std::string PosixFileSystem::ReadText(const std::string& path) {
  return Cp1252ToUtf8(ReadBytes(path));
}

void PosixFileSystem::WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, Utf8ToCp1252(text));
}

void PosixFileSystem::WriteWorkingText(const std::string& path, const std::string& text) {
  WriteAtomically(mapper_.ToHost(path), Utf8ToCp1252(text), true, std::nullopt, Kind::kWorking);
}

std::string PosixFileSystem::ReadBytes(const std::string& path) {
  return ReadHostFile(mapper_.ToHost(path));
}

void PosixFileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  WriteAtomically(mapper_.ToHost(path), bytes, true, std::nullopt);
}

void PosixFileSystem::WriteBytesThen(const std::string& path, const std::string& bytes,
                                     const std::function<void(int fd)>& beforeRename) {
  WriteAtomically(mapper_.ToHost(path), bytes, true, std::nullopt, Kind::kKept, beforeRename);
}

std::string PosixFileSystem::ReadHostFile(const fs::path& host) {
  // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
  Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) ThrowErrno(errno, WhatIsMissing(host));
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) ThrowErrno(errno, Missing::kFile);
  if (S_ISDIR(st.st_mode)) ThrowNumber(vberr::kPathFileAccessError);
  if (!S_ISREG(st.st_mode)) {
    throw VbError(vberr::kPathFileAccessError, kSource, "Not a regular file (a pipe or a device)");
  }
  const auto tooLarge = [] {
    return VbError(vberr::kPathFileAccessError, kSource,
                   "File larger than " + std::to_string(kLargestReadableFile / (1024 * 1024)) + " MB");
  };
  if (static_cast<std::size_t>(st.st_size) > kLargestReadableFile) throw tooLarge();
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[kChunkSize];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      ThrowErrno(errno, Missing::kFile);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // A file that grows while it is read is held to the same bound.
    if (bytes.size() > kLargestReadableFile) throw tooLarge();
  }
  return bytes;
}

void PosixFileSystem::WriteAtomically(const fs::path& target, std::string_view bytes, bool keepReadOnly,
                                      std::optional<mode_t> mode, Kind kind,
                                      const std::function<void(int fd)>& beforeRename) {
  fs::path destination = target;
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists) {
    if (S_ISDIR(st.st_mode)) ThrowNumber(vberr::kPathFileAccessError);
    if (keepReadOnly && IsReadOnly(st)) ThrowNumber(vberr::kPathFileAccessError);
    if (!mode) mode = st.st_mode & 07777;
    // Through a link the file it names is rewritten, the link stays.
    std::error_code ec;
    if (fs::is_symlink(target, ec)) destination = fs::canonical(target, ec);
    if (ec) ThrowErrno(ec.value(), Missing::kFile);
  } else if (errno != ENOENT) {
    ThrowErrno(errno, Missing::kPath);
  }

  const fs::path directory = destination.parent_path();
  // What a killed run left here goes before this run adds its own.
  if (sweptDirectories_.insert(directory.native()).second) RemoveStaleTempFiles(directory);
  int rawFd = -1;
  fs::path temp;
  std::optional<RegisteredTempFile> registration;
  for (int attempt = 0; rawFd < 0; ++attempt) {
    temp = directory / TempFileName(static_cast<unsigned long>(::getpid()), tempCounter_++);
    // Registered before it exists, so that no moment of its life is missed.
    registration.emplace(temp);
    rawFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (rawFd < 0 && (errno != EEXIST || attempt > 1000)) ThrowErrno(errno, Missing::kPath);
  }
  TempFileGuard guard(temp);
  Fd fd(rawFd);
  if (mode) ::fchmod(fd.Get(), *mode);  // best effort: the content matters more than the bits

  while (!bytes.empty()) {
    const std::size_t size = std::min(bytes.size(), kChunkSize);
    const ssize_t written = writeCall_(fd.Get(), bytes.data(), size);
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(errno, Missing::kFile);
    }
    if (written == 0) ThrowNumber(vberr::kDeviceIoError);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  // A kept file reaches the disk before it replaces the old one; a scratch
  // file is thrown away, so a sync would buy nothing.
  const bool scratch = kind == Kind::kWorking || scratchFiles_.count(destination.native()) != 0;
  if (!scratch && ::fsync(fd.Get()) != 0 && errno != EINVAL) ThrowErrno(errno, Missing::kFile);
  if (beforeRename) beforeRename(fd.Get());
  if (fd.Close() != 0) ThrowErrno(errno, Missing::kFile);
  if (::rename(temp.c_str(), destination.c_str()) != 0) ThrowErrno(errno, Missing::kFile);
  guard.Commit();
  mapper_.Learn(destination, true);
}

}  // namespace verbsmith

#include "platform/win32/win32_file_system.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/vb_error.h"
#include "platform/wildcard.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_error.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

constexpr DWORD kChunkSize = 64 * 1024;
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// Owns an open handle.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return handle_; }
  bool Close() {
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// Removes a temporary file unless the write that made it was completed.
class TempFileGuard {
 public:
  explicit TempFileGuard(std::wstring path) : path_(std::move(path)) {}
  ~TempFileGuard() {
    if (!committed_) DeleteFileW(path_.c_str());
  }
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  void Commit() { committed_ = true; }

 private:
  std::wstring path_;
  bool committed_ = false;
};

std::pair<std::string, std::string> SplitLast(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string::npos) return {path.substr(0, separator + 1), path.substr(separator + 1)};
  if (path.size() >= 2 && path[1] == ':') return {path.substr(0, 2), path.substr(2)};
  return {"", path};
}

// The attributes of a path; INVALID_FILE_ATTRIBUTES with the last error set
// when there is nothing there.
DWORD AttributesOf(const std::wstring& path) {
  return GetFileAttributesW(path.c_str());
}

bool IsDirectory(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

uint32_t ProductAttributes(DWORD attributes) {
  uint32_t result = attr::kNormal;
  if (attributes & FILE_ATTRIBUTE_READONLY) result |= attr::kReadOnly;
  if (attributes & FILE_ATTRIBUTE_HIDDEN) result |= attr::kHidden;
  if (attributes & FILE_ATTRIBUTE_SYSTEM) result |= attr::kSystem;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) result |= attr::kDirectory;
  return result;
}

// A name that cannot be a file name on Windows, refused before the system
// would read it as something else (a stream, a device pattern).
void CheckName(const std::string& path) {
  const std::string name = SplitLast(path).second;
  if (name.find_first_of("<>:\"|") != std::string::npos) ThrowFileError(vberr::kBadFileNameOrNumber);
}

// Replaces a target that another handle holds open, sharing its deletion
// (a locked journal): such a file cannot be renamed over, only moved aside.
// Between the two moves nothing has the name; the old file is deleted once
// the new one has it, or put back when that fails.
void ReplaceHeldFile(const std::wstring& directory, const std::wstring& target,
                     const std::wstring& replacement) {
  wchar_t asideName[MAX_PATH + 1] = {};
  if (GetTempFileNameW(directory.c_str(), L"vso", 0, asideName) == 0) ThrowLastFileError();
  const std::wstring aside = asideName;
  TempFileGuard asideGuard(aside);
  if (!MoveFileExW(target.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowLastFileError();
  }
  if (!MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD failure = GetLastError();
    if (MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) asideGuard.Commit();
    SetLastError(failure);
    ThrowLastFileError();
  }
}

}  // namespace

std::vector<std::string> Win32FileSystem::List(const std::string& pattern, uint32_t attributes) {
  auto [directory, name] = SplitLast(pattern);
  const bool wholeDirectory = name.empty();
  if (wholeDirectory) name = "*.*";
  CheckName(name);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(Wide(directory + name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_INVALID_NAME) ThrowFileError(vberr::kBadFileNameOrNumber);
    return {};
  }
  const bool withDirectories = (attributes & attr::kDirectory) != 0;
  std::vector<std::string> names;
  do {
    std::string entry = Utf8(found.cFileName);
    if (entry == "." || entry == "..") continue;
    const bool isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!isDirectory || withDirectories) names.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  SortListing(names);
  if (wholeDirectory && withDirectories) names.insert(names.begin(), ".");
  return names;
}

void Win32FileSystem::CopyFile(const std::string& from, const std::string& to) {
  Copy(from, to, Kind::kKept);
}

void Win32FileSystem::CopyWorkingFile(const std::string& from, const std::string& to) {
  Copy(from, to, Kind::kWorking);
}

void Win32FileSystem::Copy(const std::string& from, const std::string& to, Kind kind) {
  const std::string bytes = ReadBytes(from);
  const DWORD attributes = AttributesOf(Wide(from));
  WriteAtomically(to, bytes, false, attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKeptAttributes,
                  kind);
}

uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
  CheckName(path);
  const DWORD attributes = AttributesOf(Wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastFileError();
  return ProductAttributes(attributes);
}

void Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  const std::wstring wide = Wide(path);
  const DWORD current = AttributesOf(wide);
  if (current == INVALID_FILE_ATTRIBUTES) ThrowLastFileError();
  DWORD next = current & ~FILE_ATTRIBUTE_READONLY;
  if (attributes & attr::kReadOnly) next |= FILE_ATTRIBUTE_READONLY;
  if (!SetFileAttributesW(wide.c_str(), next == 0 ? FILE_ATTRIBUTE_NORMAL : next)) ThrowLastFileError();
}

void Win32FileSystem::DeleteFile(const std::string& path) {
  const auto [directory, name] = SplitLast(path);
  std::vector<std::string> victims;
  if (HasWildcard(name)) {
    // Like Kill, a pattern deletes every plain file it matches.
    for (const std::string& match : List(path, attr::kNormal)) victims.push_back(directory + match);
    if (victims.empty()) ThrowFileError(vberr::kFileNotFound);
  } else {
    CheckName(path);
    victims.push_back(path);
  }
  for (const std::string& victim : victims) {
    const std::wstring wide = Wide(victim);
    const DWORD attributes = AttributesOf(wide);
    if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastFileError();
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
      ThrowFileError(vberr::kPathFileAccessError);
    }
    if (!DeleteFileW(wide.c_str())) ThrowLastFileError();
    scratchFiles_.erase(wide);
  }
}

void Win32FileSystem::MakeDirectory(const std::string& path) {
  CheckName(path);
  if (!CreateDirectoryW(Wide(path).c_str(), nullptr)) ThrowLastFileError();
}

void Win32FileSystem::RemoveDirectory(const std::string& path) {
  if (!RemoveDirectoryW(Wide(path).c_str())) ThrowLastFileError();
}

std::string Win32FileSystem::CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring here(size, L'\0');
  const DWORD length = GetCurrentDirectoryW(size, here.data());
  if (length == 0 || length >= size) ThrowLastFileError();
  here.resize(length);
  return Utf8(here);
}

void Win32FileSystem::SetCurrentDirectory(const std::string& path) {
  if (!SetCurrentDirectoryW(Wide(path).c_str())) ThrowLastFileError();
}

std::string Win32FileSystem::CreateTempFile(const std::string& directory, const std::string& prefix) {
  const std::wstring wideDirectory = Wide(directory);
  if (!IsDirectory(AttributesOf(wideDirectory))) ThrowFileError(vberr::kPathNotFound);
  wchar_t name[MAX_PATH + 1] = {};
  if (GetTempFileNameW(wideDirectory.c_str(), Wide(prefix).c_str(), 0, name) == 0) ThrowLastFileError();
  scratchFiles_.insert(name);
  return Utf8(name);
}

std::string Win32FileSystem::ReadText(const std::string& path) {
  return Cp1252ToUtf8(ReadBytes(path));
}

void Win32FileSystem::WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, Utf8ToCp1252(text));
}

void Win32FileSystem::WriteWorkingText(const std::string& path, const std::string& text) {
  WriteAtomically(path, Utf8ToCp1252(text), true, 0, Kind::kWorking);
}

std::string Win32FileSystem::ReadBytes(const std::string& path) {
  CheckName(path);
  const std::wstring wide = Wide(path);
  if (IsDirectory(AttributesOf(wide))) ThrowFileError(vberr::kPathFileAccessError);
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) ThrowLastFileError();
  if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
    throw VbError(vberr::kPathFileAccessError, "Verbsmith", "Not a regular file (a pipe or a device)");
  }
  const auto tooLarge = [] {
    return VbError(vberr::kPathFileAccessError, "Verbsmith",
                   "File larger than " + std::to_string(kLargestReadableFile / (1024 * 1024)) + " MB");
  };
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) ThrowLastFileError();
  if (static_cast<unsigned long long>(size.QuadPart) > kLargestReadableFile) throw tooLarge();
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  std::string buffer(kChunkSize, '\0');
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), buffer.data(), kChunkSize, &got, nullptr)) ThrowLastFileError();
    if (got == 0) break;
    bytes.append(buffer.data(), got);
    // A file that grows while it is read is held to the same bound.
    if (bytes.size() > kLargestReadableFile) throw tooLarge();
  }
  return bytes;
}

void Win32FileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  WriteAtomically(path, bytes, true, 0, Kind::kKept);
}

void Win32FileSystem::WriteBytesThen(const std::string& path, const std::string& bytes,
                                     const std::function<void(const std::wstring& written)>& beforeRename) {
  WriteAtomically(path, bytes, true, 0, Kind::kKept, beforeRename);
}

void Win32FileSystem::WriteAtomically(const std::string& target, std::string_view bytes, bool keepReadOnly,
                                      uint32_t attributes, Kind kind,
                                      const std::function<void(const std::wstring& written)>& beforeRename) {
  CheckName(target);
  const std::wstring wideTarget = Wide(target);
  const DWORD existing = AttributesOf(wideTarget);
  if (existing != INVALID_FILE_ATTRIBUTES) {
    if (existing & FILE_ATTRIBUTE_DIRECTORY) ThrowFileError(vberr::kPathFileAccessError);
    if (keepReadOnly && (existing & FILE_ATTRIBUTE_READONLY)) ThrowFileError(vberr::kPathFileAccessError);
    if (!keepReadOnly && (existing & FILE_ATTRIBUTE_READONLY)) {
      // MoveFileExW replaces no read-only file.
      SetFileAttributesW(wideTarget.c_str(), existing & ~FILE_ATTRIBUTE_READONLY);
    }
  } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
    ThrowLastFileError();
  }

  const std::wstring directory = Wide(SplitLast(target).first.empty() ? "." : SplitLast(target).first);
  wchar_t tempName[MAX_PATH + 1] = {};
  if (GetTempFileNameW(directory.c_str(), L"vsw", 0, tempName) == 0) ThrowLastFileError();
  const std::wstring temp = tempName;
  TempFileGuard guard(temp);
  Handle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) ThrowLastFileError();
  while (!bytes.empty()) {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunkSize));
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) ThrowLastFileError();
    if (written == 0) ThrowFileError(vberr::kDeviceIoError);
    bytes.remove_prefix(written);
  }
  // A kept file reaches the disk before it replaces the old one; scratch
  // is thrown away, so a flush would buy nothing.
  const bool scratch = kind == Kind::kWorking || scratchFiles_.count(wideTarget) != 0;
  if (!scratch && !FlushFileBuffers(file.Get())) ThrowLastFileError();
  if (!file.Close()) ThrowLastFileError();
  if (attributes != 0) SetFileAttributesW(temp.c_str(), attributes);
  if (beforeRename) beforeRename(temp);
  if (!MoveFileExW(temp.c_str(), wideTarget.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    if (GetLastError() != ERROR_ACCESS_DENIED || existing == INVALID_FILE_ATTRIBUTES) ThrowLastFileError();
    ReplaceHeldFile(directory, wideTarget, temp);
  }
  guard.Commit();
}

}  // namespace verbsmith

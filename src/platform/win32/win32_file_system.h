#pragma once
// The file system port on Windows: the wide file API on the paths as they
// are. Listings use the system's own wildcard matching. Writes go to a new
// file beside the target, reach the disk, and replace the target with
// MoveFileExW (replace, write-through), so the old file survives any
// failure. As on every adapter, a read-only file is neither rewritten nor
// deleted (error 75); a copy replaces it.

#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace verbsmith {

class Win32FileSystem : public FileSystem {
 public:
  std::vector<std::string> List(const std::string& pattern, uint32_t attributes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  uint32_t GetAttributes(const std::string& path) override;
  void SetAttributes(const std::string& path, uint32_t attributes) override;
  void DeleteFile(const std::string& path) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveDirectory(const std::string& path) override;
  std::string CurrentDirectory() override;
  void SetCurrentDirectory(const std::string& path) override;
  std::string CreateTempFile(const std::string& directory, const std::string& prefix) override;
  std::string ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& text) override;
  std::string ReadBytes(const std::string& path) override;
  void WriteBytes(const std::string& path, const std::string& bytes) override;
  void CopyWorkingFile(const std::string& from, const std::string& to) override;
  void WriteWorkingText(const std::string& path, const std::string& text) override;

  // WriteBytes, calling beforeRename with the new file's name once it is
  // written and closed, before it replaces the target.
  void WriteBytesThen(const std::string& path, const std::string& bytes,
                      const std::function<void(const std::wstring& written)>& beforeRename);

 private:
  enum class Kind { kKept, kWorking };
  // With keepReadOnly false a read-only target is replaced, not refused;
  // attributes, when given, are the new file's.
  void WriteAtomically(const std::string& target, std::string_view bytes, bool keepReadOnly,
                       uint32_t attributes, Kind kind,
                       const std::function<void(const std::wstring& written)>& beforeRename = {});
  void Copy(const std::string& from, const std::string& to, Kind kind);

  // Files made by CreateTempFile and not yet deleted: scratch, written
  // without a flush.
  std::set<std::wstring> scratchFiles_;
};

}  // namespace verbsmith

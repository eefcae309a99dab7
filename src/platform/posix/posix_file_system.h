#pragma once
// The file system port on a POSIX host, with Windows-form paths mapped the
// Wine way (see PathMapper).
//
// Listings: a name whose first character is a dot counts as hidden
// (GetAttributes reports attr::kHidden) but is listed whatever the mask, so
// that nothing on the host is out of the product's sight. A pattern ending
// in a backslash lists the directory as "*.*" does, and with
// attr::kDirectory starts with "." (the directory itself), so asking for
// "C:\dir\" with the directory mask tells whether the directory exists, as
// it does on Windows. Names are returned in case-insensitive order.
//
// Writes reach the disk (fsync) before they replace a file, except writes
// into a file made by CreateTempFile: scratch that is thrown away.
//
// Read-only is the owner's write bit. As on Windows, a read-only file is
// neither rewritten nor deleted (error 75); a copy replaces it.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/posix/path_mapper.h"
#include "platform/posix/temp_file_registry.h"

namespace verbsmith {

class PosixFileSystem : public FileSystem {
 public:
  // The call that puts bytes into an open file, with ::write's contract.
  // Tests hand in one that fails part-way to prove that writes are atomic.
  using WriteCall = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

  // Paths mapped through the Wine prefix of the environment.
  PosixFileSystem();
  explicit PosixFileSystem(PathMapper mapper, WriteCall writeCall = {});

  std::vector<std::string> List(const std::string& pattern, uint32_t attributes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  uint32_t GetAttributes(const std::string& path) override;
  void SetAttributes(const std::string& path, uint32_t attributes) override;
  void DeleteFile(const std::string& path) override;
  void MakeDirectory(const std::string& path) override;
  // The temporary files of killed runs in it do not keep it.
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
  // With an unnamed file (O_TMPFILE) where the file system has them.
  void CheckWritable(const std::string& directory) override;
  std::string HostPath(const std::string& windowsPath) override {
    return mapper_.ToHost(windowsPath).string();
  }
  std::string WindowsPathOf(const std::string& hostPath) override {
    return hostPath.starts_with('/') ? mapper_.ToWindows(hostPath) : hostPath;
  }

  std::string ResolvedPath(const std::string& path) override;


  // Writes as WriteBytes does; beforeRename sees the new file, open and
  // complete, just before it takes the name.
  void WriteBytesThen(const std::string& path, const std::string& bytes,
                      const std::function<void(int fd)>& beforeRename);

 private:
  std::string ReadHostFile(const std::filesystem::path& host);
  // Writes to a new file beside the target and renames it into place.
  // With keepReadOnly false a read-only target is replaced, not refused. A
  // kept file is synced before the rename; a working or scratch one is not.
  enum class Kind { kKept, kWorking };
  void WriteAtomically(const std::filesystem::path& target, std::string_view bytes, bool keepReadOnly,
                       std::optional<mode_t> mode, Kind kind = Kind::kKept,
                       const std::function<void(int fd)>& beforeRename = {});
  void Copy(const std::string& from, const std::string& to, Kind kind);

  PathMapper mapper_;
  WriteCall writeCall_;
  unsigned tempCounter_ = 0;
  // Files made by CreateTempFile and not yet deleted: scratch, written
  // without a sync, and removed by a signal that ends the process.
  std::map<std::string, std::unique_ptr<RegisteredTempFile>> scratchFiles_;
  // Directories already cleared of stale temporary files by this object.
  std::set<std::string> sweptDirectories_;
};

}  // namespace verbsmith

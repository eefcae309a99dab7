#pragma once
// The file system as the product sees it. Paths are Windows-form texts
// (drive letter, backslashes, e.g. "C:\proj\src\Cmd.cls"); the adapter maps
// them to host paths. Failures throw VbError with Visual Basic's file error
// numbers (53 file not found, 76 path not found, 75 path/file access error,
// 70 permission denied, 52 bad file name, 57 device I/O error).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace verbsmith {

// Windows file attribute bits, as Visual Basic's vbNormal ... vbDirectory.
namespace attr {
inline constexpr uint32_t kNormal = 0;
inline constexpr uint32_t kReadOnly = 1;
inline constexpr uint32_t kHidden = 2;
inline constexpr uint32_t kSystem = 4;
inline constexpr uint32_t kDirectory = 16;
inline constexpr uint32_t kArchive = 32;
}  // namespace attr

// The largest file the product reads (scripts, templates, projects,
// bitmaps): far above any real one, small enough to hold in memory. A larger
// one, like anything that is not a regular file, is refused (error 75).
inline constexpr std::size_t kLargestReadableFile = 16 * 1024 * 1024;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Names (without directory) of the entries matching the pattern's last
  // component, with Windows wildcard rules ("*", "?", "*.*" matches every
  // name, case ignored). Mask 0 lists plain files; with attr::kDirectory,
  // directories too (without "." and ".."). A missing directory gives an
  // empty list, as Visual Basic's Dir does. A pattern ending in a backslash
  // lists the directory as "*.*" would; with attr::kDirectory that list
  // starts with "." (the directory itself), so "C:\dir\" with the directory
  // mask tells whether the directory exists, as it does on Windows.
  virtual std::vector<std::string> List(const std::string& pattern, uint32_t attributes) = 0;

  // Copies a file, replacing the destination.
  virtual void CopyFile(const std::string& from, const std::string& to) = 0;
  virtual uint32_t GetAttributes(const std::string& path) = 0;
  // Sets the attribute bits that the host can keep (read-only at least).
  virtual void SetAttributes(const std::string& path, uint32_t attributes) = 0;
  virtual void DeleteFile(const std::string& path) = 0;
  virtual void MakeDirectory(const std::string& path) = 0;
  // Removes an empty directory.
  virtual void RemoveDirectory(const std::string& path) = 0;

  // The process's current directory in Windows form, without a trailing
  // backslash (except for a drive root such as "Z:\").
  virtual std::string CurrentDirectory() = 0;
  virtual void SetCurrentDirectory(const std::string& path) = 0;

  // Like GetTempFileName with unique number 0: "<dir>\<first three characters
  // of prefix><hex number>.tmp", the file created empty. Returns the full path.
  virtual std::string CreateTempFile(const std::string& directory, const std::string& prefix) = 0;

  // Whole-file text in UTF-8: the file holds Windows-1252. Line ends are
  // kept as they stand in the file.
  virtual std::string ReadText(const std::string& path) = 0;
  // Writes UTF-8 text as Windows-1252 to a temporary file beside the target
  // and renames it into place, so the old file survives any failure.
  virtual void WriteText(const std::string& path, const std::string& text) = 0;

  // The same for raw bytes (bitmaps, compiled resources).
  virtual std::string ReadBytes(const std::string& path) = 0;
  virtual void WriteBytes(const std::string& path, const std::string& bytes) = 0;

  // Working files: a template copy that the same run rewrites at once, or a
  // resource script the run can always write again. They replace their
  // target atomically like every write, but are not forced to the disk: the
  // rewrite is, and a lost script is made anew by the next Finish. Adapters
  // without such a distinction write them as any file.
  virtual void CopyWorkingFile(const std::string& from, const std::string& to) { CopyFile(from, to); }
  virtual void WriteWorkingText(const std::string& path, const std::string& text) { WriteText(path, text); }

  // Throws VbError, as CreateTempFile would, when no file can be made in
  // the directory. Adapters that can make a file without a name leave
  // nothing behind even when the process is killed meanwhile; this one
  // makes a temporary file and deletes it.
  virtual void CheckWritable(const std::string& directory) { DeleteFile(CreateTempFile(directory, "vsp")); }

  // The host's own name for a Windows-form path, for handing to a host
  // program (a compiler's command line). On a Windows host the two are the
  // same; other adapters map the path as every call here does.
  virtual std::string HostPath(const std::string& windowsPath) { return windowsPath; }

  // The path with every symbolic link on its way resolved, Windows form:
  // where a write to it lands. The path as given when it leads nowhere yet
  // or the host has no links.
  virtual std::string ResolvedPath(const std::string& path) { return path; }
  // The other way: the Windows form of a path a person gave as the host
  // names it ("/home/me/lc.bmp" is Z:\home\me\lc.bmp under Wine).
  virtual std::string WindowsPathOf(const std::string& hostPath) { return hostPath; }
};

// What every adapter shares.

// Puts names in the order a listing gives them: case folded first, then as
// they are.
void SortListing(std::vector<std::string>& names);
// A temporary file's name as GetTempFileName makes it: the first three
// characters of prefix, the number in hex, ".tmp".
std::string TempFileName(const std::string& prefix, unsigned number);

// Composites of the calls above. Paths are
// Windows form; a directory may end in a backslash.

// Whether a plain file is there; a name that cannot be listed names none.
bool FileExists(FileSystem& fs, const std::string& path);
// Deletes the file when it is there; a failure is left unsaid (a stray
// scratch file harms nobody).
void DeleteIfThere(FileSystem& fs, const std::string& path);
// Whether the directory exists.
bool DirectoryExists(FileSystem& fs, const std::string& directory);
// Makes the directory where one may exist already. Whether it exists
// afterwards; a failure is left for the first use of it to report.
bool MakeDirectoryIfMissing(FileSystem& fs, const std::string& directory);
// Makes the directory and each missing parent, from the drive down.
// Whether it exists afterwards.
bool MakeDirectoryPath(FileSystem& fs, const std::string& directory);
// Writes the file, replacing one that is read-only: the kept file is plain.
void WriteReplacing(FileSystem& fs, const std::string& path, const std::string& bytes);
// Removes the directory with everything below it, as far as it can: what
// cannot be removed stays.
void RemoveDirectoryTree(FileSystem& fs, const std::string& directory);
// When the file is a symbolic link: where a write to it lands, every link
// resolved. None when it is not one (or leads nowhere, and a write would
// replace the link itself).
std::optional<std::string> LinkTarget(FileSystem& fs, const std::string& path);

}  // namespace verbsmith

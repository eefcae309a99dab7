#pragma once
// Windows-form paths against host paths, the way Wine maps them: Z: is the
// host root, every other drive letter is a symlink "<letter>:" in the Wine
// prefix's dosdevices directory.

#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

class PathMapper {
 public:
  explicit PathMapper(std::filesystem::path winePrefix);

  // The mapper for the user's Wine prefix.
  static PathMapper FromEnvironment();

  // The host path of a Windows-form path ("C:\a\b", "\a\b" on the current
  // drive, "a\b" below the current directory; "/" works as a separator too).
  // "." and ".." are folded away; a ".." that would climb above the drive
  // root (which Windows quietly ignores) is refused with 52. A component whose exact
  // name is missing matches an existing entry that differs only in case;
  // the components after the first one that matches nothing are kept as
  // given (a file about to be created). Throws VbError 52 for a name that
  // Windows would refuse and 76 for a drive letter with no mapping.
  std::filesystem::path ToHost(std::string_view windowsPath) const;

  // The Windows form of a host path, relative ones taken from the current
  // directory: inside a dosdevices drive (the deepest one when they nest)
  // it is that drive, anywhere else Z:. No trailing backslash except on a
  // drive root ("Z:\").
  std::string ToWindows(const std::filesystem::path& hostPath) const;

  // What ToHost learnt stays for later calls: the host directory of each
  // parent directory it resolved (checked with one stat, not one per
  // component) and the names of each directory it had to list for a name
  // that missed (trusted while the directory's modification time stands).
  // The file system adapter tells it of every entry it makes or removes,
  // so that writing many new files into one directory lists it once.
  void Learn(const std::filesystem::path& hostPath, bool exists) const;
  // Drops the directories learnt, after one was removed or renamed.
  void ForgetDirectories() const;

  // Throws VbError 52 when a single path component is not a valid Windows
  // file name: empty, NUL or other control characters, or one of <>:"/\|
  // and, unless wildcards are allowed, * and ?.
  static void CheckComponent(std::string_view component, bool allowWildcards);

 private:
  struct WindowsPath {
    char drive;  // upper case
    std::vector<std::string> components;
  };

  // The names of one host directory, by their case-folded form: the first
  // in byte order of those that fold alike.
  struct Listing {
    timespec modified{};
    std::map<std::u32string, std::string> names;
  };
  struct Caches {
    std::map<std::string, std::filesystem::path> parents;  // by folded Windows parent
    std::map<std::string, Listing> listings;               // by host directory
  };

  WindowsPath Parse(std::string_view windowsPath) const;
  std::filesystem::path DriveRoot(char drive) const;
  // The entry of directory whose name folds like component's, if any.
  bool FindIgnoringCase(const std::filesystem::path& directory, const std::string& component,
                        std::filesystem::path& found) const;

  std::filesystem::path winePrefix_;
  // Shared by copies: a copy maps the same host.
  std::shared_ptr<Caches> caches_ = std::make_shared<Caches>();
};

}  // namespace verbsmith

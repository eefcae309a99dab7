#pragma once
// Windows-form paths against host paths, the way Wine maps them: Z: is the
// host root, every other drive letter is a symlink "<letter>:" in the Wine
// prefix's dosdevices directory.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

class PathMapper {
 public:
  explicit PathMapper(std::filesystem::path winePrefix);

  // The mapper for the user's Wine prefix.
  static PathMapper FromEnvironment();

  const std::filesystem::path& WinePrefix() const { return winePrefix_; }

  // The host path of a Windows-form path ("C:\a\b", "\a\b" on the current
  // drive, "a\b" below the current directory; "/" works as a separator too).
  // "." and ".." are folded away as Windows does. A component whose exact
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

  // Throws VbError 52 when a single path component is not a valid Windows
  // file name: empty, NUL or other control characters, or one of <>:"/\|
  // and, unless wildcards are allowed, * and ?.
  static void CheckComponent(std::string_view component, bool allowWildcards);

 private:
  struct WindowsPath {
    char drive;  // upper case
    std::vector<std::string> components;
  };

  WindowsPath Parse(std::string_view windowsPath) const;
  std::filesystem::path DriveRoot(char drive) const;

  std::filesystem::path winePrefix_;
};

}  // namespace verbsmith

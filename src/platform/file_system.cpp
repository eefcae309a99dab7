#include "platform/file_system.h"

#include <algorithm>
#include <cstdio>

#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "platform/wildcard.h"

namespace verbsmith {

void SortListing(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::u32string foldedA = FoldCase(a);
    const std::u32string foldedB = FoldCase(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
  });
}

std::string TempFileName(const std::string& prefix, unsigned number) {
  std::size_t end = 0;
  for (int count = 0; count < 3 && end < prefix.size(); ++count) {
    ++end;
    while (end < prefix.size() && (static_cast<unsigned char>(prefix[end]) & 0xC0) == 0x80) ++end;
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", number);
  return prefix.substr(0, end) + hex + ".tmp";
}

bool DirectoryExists(FileSystem& fs, const std::string& directory) {
  try {
    return !fs.List(AddTrailingBackslash(directory), attr::kDirectory).empty();
  } catch (const VbError&) {
    return false;  // a name that cannot be a directory
  }
}

bool MakeDirectoryIfMissing(FileSystem& fs, const std::string& directory) {
  try {
    fs.MakeDirectory(directory);
    return true;
  } catch (const VbError&) {
    return DirectoryExists(fs, directory);
  }
}

bool MakeDirectoryPath(FileSystem& fs, const std::string& directory) {
  // Each level below the drive ("C:\\") down to the directory itself.
  const std::string path = AddTrailingBackslash(directory);
  bool made = false;
  for (std::size_t slash = path.find('\\', 3); slash != std::string::npos;
       slash = path.find('\\', slash + 1)) {
    made = MakeDirectoryIfMissing(fs, path.substr(0, slash));
  }
  return made;
}

void RemoveDirectoryTree(FileSystem& fs, const std::string& directory) {
  const std::string root = AddTrailingBackslash(directory);
  try {
    for (const std::string& name : fs.List(root + "*.*", attr::kDirectory)) {
      if (name == "." || name == "..") continue;
      const std::string path = root + name;
      if (fs.GetAttributes(path) & attr::kDirectory) {
        RemoveDirectoryTree(fs, path);
      } else {
        fs.DeleteFile(path);
      }
    }
    fs.RemoveDirectory(root);
  } catch (const VbError&) {
    // What cannot be removed stays; the callers only tidy up.
  }
}

bool FileExists(FileSystem& fs, const std::string& path) {
  try {
    return !fs.List(path, 0).empty();
  } catch (const VbError&) {
    return false;
  }
}

std::optional<std::string> LinkTarget(FileSystem& fs, const std::string& path) {
  std::string name = path;
  const std::string directory = SplitDirectory(name);
  const std::string target = fs.ResolvedPath(path);
  // Resolving the directory alone tells a link in the way there, which
  // moves the whole project alike, from the file itself being one.
  const std::string unlinked = AddTrailingBackslash(fs.ResolvedPath(directory)) + name;
  if (AsciiUpper(target) == AsciiUpper(unlinked)) return std::nullopt;
  return target;
}

void DeleteIfThere(FileSystem& fs, const std::string& path) {
  try {
    if (FileExists(fs, path)) fs.DeleteFile(path);
  } catch (const VbError&) {
    // The caller's outcome stands either way.
  }
}

void WriteReplacing(FileSystem& fs, const std::string& path, const std::string& bytes) {
  try {
    if ((fs.GetAttributes(path) & attr::kReadOnly) != 0) fs.SetAttributes(path, attr::kNormal);
  } catch (const VbError&) {
    // Not there yet.
  }
  fs.WriteBytes(path, bytes);
}

}  // namespace verbsmith

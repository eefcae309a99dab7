#pragma once
// Text operations on Windows-form paths ("C:\proj\src\Cmd.cls"). Directories
// the product keeps end in one backslash; file names are joined to them
// without a separator.

#include <string>

namespace verbsmith {

// An empty path stays empty; any other path ends in exactly the backslash it
// had, or gets one.
std::string AddTrailingBackslash(const std::string& path);

// The directory as people write it: without its trailing backslash, but for
// a drive's root, such as "C:\" itself.
std::string WithoutTrailingBackslash(std::string path);

// Cuts the directory off path: returns everything up to and including the
// last backslash and leaves the last component in path. A path without a
// backslash gives an empty text and stays as it is.
std::string SplitDirectory(std::string& path);

// The parent of a directory: drops one trailing backslash, then splits as
// SplitDirectory does. "C:\a\b\" gives "C:\a\" and leaves "b" in path.
std::string ParentDirectory(std::string& path);

}  // namespace verbsmith

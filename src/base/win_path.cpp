#include "base/win_path.h"

namespace verbsmith {

std::string AddTrailingBackslash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

std::string WithoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string SplitDirectory(std::string& path) {
  const size_t last = path.rfind('\\');
  if (last == std::string::npos) return "";
  std::string directory = path.substr(0, last + 1);
  path.erase(0, last + 1);
  return directory;
}

std::string ParentDirectory(std::string& path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return SplitDirectory(path);
}

}  // namespace verbsmith

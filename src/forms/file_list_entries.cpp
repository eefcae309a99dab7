#include "forms/file_list_entries.h"

#include <algorithm>

#include "base/vb_error.h"

namespace verbsmith::forms {

namespace {

std::string Joined(const std::string& directory, const std::string& name) {
  return !directory.empty() && directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

std::vector<std::string> Subdirectories(const std::string& path, FileSystem* files) {
  std::vector<std::string> names;
  if (files == nullptr) return names;
  try {
    for (const std::string& name : files->List(Joined(path, "*"), attr::kDirectory)) {
      if (name == "." || name == "..") continue;
      if (files->GetAttributes(Joined(path, name)) & attr::kDirectory) names.push_back(name);
    }
  } catch (const VbError&) {
    // An unreadable directory shows no subdirectories.
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> DriveEntries(FileSystem* files) {
  std::vector<std::string> drives;
  if (files == nullptr) return drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string root{letter, ':', '\\'};
    try {
      if (!files->List(root, attr::kDirectory).empty()) drives.push_back(root.substr(0, 2));
    } catch (const VbError&) {
      // A letter with no mapping is no drive.
    }
  }
  return drives;
}

std::vector<DirEntry> DirListEntries(const std::string& path, FileSystem* files) {
  std::vector<DirEntry> entries;
  std::string walked;
  int depth = 0;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start + (depth == 0 ? 1 : 0));
    walked = depth == 0 ? part : Joined(walked, part);
    entries.push_back({walked, part, depth++, true});
    start = end + 1;
  }
  for (const std::string& name : Subdirectories(path, files)) {
    entries.push_back({Joined(path, name), name, depth, false});
  }
  return entries;
}

}  // namespace verbsmith::forms

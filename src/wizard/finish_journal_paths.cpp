#include "wizard/finish_journal_paths.h"

#include <algorithm>
#include <sstream>

#include "base/strings.h"

namespace verbsmith {

namespace {

// The path in one spelling (upper case, backslashes, no trailing one), or
// nothing when it is not a plain absolute path.
std::optional<std::string> PlainKey(const std::string& path) {
  std::string key = AsciiUpper(path);
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  const bool drive = key.size() >= 3 && key[0] >= 'A' && key[0] <= 'Z' && key[1] == ':' && key[2] == '\\';
  if (!drive || key.find_first_of("*?") != std::string::npos) return std::nullopt;
  std::istringstream parts(key.substr(3));
  for (std::string part; std::getline(parts, part, '\\');) {
    if (part.empty() || part == "." || part == "..") return std::nullopt;
  }
  return key;
}

bool IsDriveRoot(const std::string& key) {
  return key.size() == 3;
}

bool Inside(const std::string& key, const std::string& directoryKey) {
  return key.starts_with(directoryKey + "\\");
}

}  // namespace

std::optional<std::string> ForeignPathOf(const FinishJournal& journal) {
  std::vector<std::string> directories = journal.createdDirectories;
  if (!journal.project.empty()) directories.push_back(journal.project);
  std::vector<std::string> homes;
  for (const std::string& directory : directories) {
    const auto key = PlainKey(directory);
    if (!key || IsDriveRoot(*key)) return directory;
    homes.push_back(*key);
  }
  for (const FinishJournal::File& file : journal.files) {
    const auto key = PlainKey(file.path);
    const bool housed = key && std::any_of(homes.begin(), homes.end(),
                                           [&](const std::string& home) { return Inside(*key, home); });
    if (!housed) return file.path;
  }
  return std::nullopt;
}

}  // namespace verbsmith

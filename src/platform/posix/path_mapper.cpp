#include "platform/posix/path_mapper.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <system_error>
#include <utility>

#include "base/strings.h"
#include "base/vb_error.h"
#include "platform/posix/file_error.h"
#include "platform/posix/user_directories.h"
#include "platform/wildcard.h"

namespace verbsmith {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::vector<std::string> SplitComponents(std::string_view text) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : text) {
    if (IsSeparator(c)) {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// Folds "." and "..". Windows keeps a ".." at the root at the root; here
// it is refused (52), so that a name made of ".." components can never
// pass for a place inside the directory it climbs out of.
void AppendNormalised(std::vector<std::string>& into, const std::vector<std::string>& parts) {
  for (const std::string& part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (into.empty()) throw VbFileErrorOfNumber(vberr::kBadFileNameOrNumber);
      into.pop_back();
      continue;
    }
    into.push_back(part);
  }
}

bool EntryExists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool ModifiedAt(const fs::path& directory, timespec& modified) {
  struct stat st {};
  if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  modified = st.st_mtim;
  return true;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

void AddName(std::map<std::u32string, std::string>& names, std::string name) {
  auto [it, inserted] = names.try_emplace(FoldCase(name), name);
  if (!inserted && name < it->second) it->second = std::move(name);
}

// Whether path lies at or below root, component by component.
bool IsWithin(const fs::path& path, const fs::path& root) {
  auto p = path.begin();
  for (auto r = root.begin(); r != root.end(); ++r, ++p) {
    if (r->empty()) continue;  // trailing separator of the root
    if (p == path.end() || *p != *r) return false;
  }
  return true;
}

std::string JoinWindows(char drive, const fs::path& relative) {
  std::string result{drive, ':', '\\'};
  bool first = true;
  for (const fs::path& part : relative) {
    const std::string text = part.string();
    if (text.empty() || text == ".") continue;
    if (!first) result += '\\';
    result += text;
    first = false;
  }
  return result;
}

}  // namespace

PathMapper::PathMapper(fs::path winePrefix) : winePrefix_(std::move(winePrefix)) {}

PathMapper PathMapper::FromEnvironment() {
  return PathMapper(UserDirectoriesOfThisProcess().winePrefix);
}

void PathMapper::CheckComponent(std::string_view component, bool allowWildcards) {
  bool bad = component.empty();
  for (char c : component) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || IsSeparator(c) ||
        (!allowWildcards && (c == '*' || c == '?'))) {
      bad = true;
    }
  }
  if (bad) throw VbFileErrorOfNumber(vberr::kBadFileNameOrNumber);
}

PathMapper::WindowsPath PathMapper::Parse(std::string_view text) const {
  if (text.empty() || text.find('\0') != std::string_view::npos) {
    throw VbFileErrorOfNumber(vberr::kBadFileNameOrNumber);
  }
  if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
    // Network shares and device paths have no place on this host.
    throw VbFileErrorOfNumber(vberr::kPathNotFound);
  }
  const bool hasDrive = text.size() >= 2 && text[1] == ':' && IsDriveLetter(text[0]);
  std::string_view rest = hasDrive ? text.substr(2) : text;
  const bool rooted = !rest.empty() && IsSeparator(rest[0]);
  WindowsPath result{hasDrive ? AsciiUpper(text[0]) : '\0', {}};
  if (!hasDrive || !rooted) {
    // Only the current drive keeps a current directory here: "D:name" on
    // another drive starts from that drive's root.
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    if (ec) throw VbFileErrorOfNumber(vberr::kPathNotFound);
    const std::string current = ToWindows(here);
    if (!hasDrive) result.drive = current[0];
    if (!rooted && result.drive == current[0]) {
      AppendNormalised(result.components, SplitComponents(current.substr(2)));
    }
  }
  const std::vector<std::string> parts = SplitComponents(rest);
  for (const std::string& part : parts) {
    if (part != "." && part != "..") CheckComponent(part, false);
  }
  AppendNormalised(result.components, parts);
  return result;
}

fs::path PathMapper::DriveRoot(char drive) const {
  if (drive == 'Z') return fs::path("/");
  const std::string link{static_cast<char>(std::tolower(static_cast<unsigned char>(drive))), ':'};
  std::error_code ec;
  fs::path root = fs::canonical(winePrefix_ / "dosdevices" / link, ec);
  if (ec || !fs::is_directory(root, ec)) throw VbFileErrorOfNumber(vberr::kPathNotFound);
  return root;
}

// The entry of a directory whose name equals the component ignoring case;
// the first in byte order when several do, so the choice is stable.
bool PathMapper::FindIgnoringCase(const fs::path& directory, const std::string& component,
                                  fs::path& found) const {
  timespec modified{};
  if (!ModifiedAt(directory, modified)) return false;
  Listing& listing = caches_->listings[directory.native()];
  if (!SameTime(listing.modified, modified) || listing.names.empty()) {
    listing.names.clear();
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
      if (ec) break;
      AddName(listing.names, it->path().filename().string());
    }
    listing.modified = modified;
  }
  const auto match = listing.names.find(FoldCase(component));
  if (match == listing.names.end()) return false;
  found = directory / match->second;
  return true;
}

void PathMapper::Learn(const fs::path& hostPath, bool exists) const {
  const auto it = caches_->listings.find(hostPath.parent_path().native());
  if (it == caches_->listings.end()) return;
  Listing& listing = it->second;
  timespec modified{};
  if (!ModifiedAt(hostPath.parent_path(), modified)) {
    caches_->listings.erase(it);
    return;
  }
  const std::string name = hostPath.filename().string();
  if (exists) {
    AddName(listing.names, name);
  } else if (auto entry = listing.names.find(FoldCase(name));
             entry != listing.names.end() && entry->second == name) {
    // Another spelling of the same folded name may remain: list again then.
    listing.names.erase(entry);
    modified = {};
  }
  listing.modified = modified;
}

void PathMapper::ForgetDirectories() const {
  caches_->parents.clear();
  caches_->listings.clear();
}

fs::path PathMapper::ToHost(std::string_view windowsPath) const {
  const WindowsPath parsed = Parse(windowsPath);
  const std::size_t count = parsed.components.size();
  // The parent directory's host path from an earlier call, when it is still
  // a directory: only the last component is left to resolve.
  std::string parentKey(1, parsed.drive);
  for (std::size_t i = 0; i + 1 < count; ++i) parentKey += "\\" + AsciiUpper(parsed.components[i]);
  fs::path host;
  std::size_t first = 0;
  timespec unused{};
  if (auto cached = caches_->parents.find(parentKey);
      count > 0 && cached != caches_->parents.end() && ModifiedAt(cached->second, unused)) {
    host = cached->second;
    first = count - 1;
  } else {
    host = DriveRoot(parsed.drive);
  }
  bool resolving = true;
  for (std::size_t i = first; i < count; ++i) {
    const std::string& component = parsed.components[i];
    if (i + 1 == count && resolving && count > 1 && first == 0) caches_->parents[parentKey] = host;
    fs::path exact = host / component;
    if (resolving && !EntryExists(exact)) {
      fs::path found;
      if (FindIgnoringCase(host, component, found)) {
        host = std::move(found);
        continue;
      }
      resolving = false;
    }
    host = std::move(exact);
  }
  return host;
}

std::string PathMapper::ToWindows(const fs::path& hostPath) const {
  std::error_code ec;
  fs::path absolute = hostPath.is_absolute() ? hostPath : fs::current_path(ec) / hostPath;
  absolute = absolute.lexically_normal();
  const fs::path resolved = fs::weakly_canonical(absolute, ec);

  char bestDrive = 0;
  fs::path bestRoot;
  std::size_t bestDepth = 0;
  fs::directory_iterator it(winePrefix_ / "dosdevices", ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != 2 || name[1] != ':' || !IsDriveLetter(name[0]) || AsciiUpper(name[0]) == 'Z') continue;
    std::error_code linkError;
    const fs::path root = fs::canonical(it->path(), linkError);
    if (linkError || !fs::is_directory(root, linkError)) continue;
    const auto depth = static_cast<std::size_t>(std::distance(root.begin(), root.end()));
    const char drive = AsciiUpper(name[0]);
    const bool better = bestDrive == 0 || depth > bestDepth || (depth == bestDepth && drive < bestDrive);
    if (!resolved.empty() && IsWithin(resolved, root) && better) {
      bestDrive = drive;
      bestRoot = root;
      bestDepth = depth;
    }
  }
  if (bestDrive != 0) return JoinWindows(bestDrive, resolved.lexically_relative(bestRoot));
  return JoinWindows('Z', absolute.relative_path());
}

}  // namespace verbsmith

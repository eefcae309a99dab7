#include "support/memory_file_system.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp1252.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "platform/wildcard.h"
#include "support/source_tree.h"

namespace verbsmith::test {

namespace {

[[noreturn]] void Fail(int32_t number) {
  throw VbError::Standard(number, "Verbsmith");
}

void CheckComponent(std::string_view component, bool allowWildcards) {
  for (char c : component) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || std::string_view("<>:\"|").find(c) != std::string_view::npos ||
        (!allowWildcards && (c == '*' || c == '?'))) {
      Fail(vberr::kBadFileNameOrNumber);
    }
  }
}

bool IsHidden(const std::string& name) {
  return name.size() > 1 && name[0] == '.' && name != "..";
}

// The first three characters of a UTF-8 text.
std::string FirstThreeCharacters(const std::string& text) {
  std::size_t end = 0;
  for (int count = 0; count < 3 && end < text.size(); ++count) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

std::string ReadHostFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

MemoryFileSystem::Path MemoryFileSystem::Resolve(std::string_view text, bool allowWildcards) const {
  if (text.empty() || text.find('\0') != std::string_view::npos) Fail(vberr::kBadFileNameOrNumber);
  std::string rest(text);
  std::replace(rest.begin(), rest.end(), '/', '\\');
  const Path here = [this] {
    Path path;
    path.drive = current_[0];
    for (std::size_t start = 3; start < current_.size();) {
      const std::size_t end = std::min(current_.find('\\', start), current_.size());
      path.components.push_back(current_.substr(start, end - start));
      start = end + 1;
    }
    return path;
  }();
  Path path = here;
  std::size_t pos = 0;
  if (rest.size() >= 2 && rest[1] == ':') {
    const char drive = AsciiUpper(rest[0]);
    if (drive < 'A' || drive > 'Z') Fail(vberr::kBadFileNameOrNumber);
    if (drive != here.drive) path = Path{drive, {}};
    pos = 2;
  }
  if (pos < rest.size() && rest[pos] == '\\') path.components.clear();
  while (pos < rest.size()) {
    const std::size_t end = std::min(rest.find('\\', pos), rest.size());
    const std::string component = rest.substr(pos, end - pos);
    pos = end + 1;
    if (component.empty() || component == ".") continue;
    if (component == "..") {
      if (!path.components.empty()) path.components.pop_back();
      continue;
    }
    CheckComponent(component, allowWildcards);
    path.components.push_back(component);
  }
  return path;
}

std::u32string MemoryFileSystem::Key(const Path& path) {
  std::u32string key(1, static_cast<char32_t>(path.drive));
  for (const std::string& component : path.components) key += U'\\' + FoldCase(component);
  return key;
}

std::string MemoryFileSystem::Text(const Path& path) {
  std::string text = std::string(1, path.drive) + ":";
  for (const std::string& component : path.components) text += "\\" + component;
  return path.components.empty() ? text + "\\" : text;
}

MemoryFileSystem::Path MemoryFileSystem::Parent(Path path) {
  if (!path.components.empty()) path.components.pop_back();
  return path;
}

void MemoryFileSystem::Before(std::string_view operation, const std::string& path) const {
  if (beforeEach) beforeEach(operation, path);
}

const MemoryFileSystem::Entry* MemoryFileSystem::Find(const Path& path) const {
  const auto found = entries_.find(Key(path));
  return found == entries_.end() ? nullptr : &found->second;
}

MemoryFileSystem::Entry* MemoryFileSystem::Find(const Path& path) {
  const auto found = entries_.find(Key(path));
  return found == entries_.end() ? nullptr : &found->second;
}

bool MemoryFileSystem::IsDirectory(const Path& path) const {
  if (path.components.empty()) return true;  // a drive's root
  const Entry* entry = Find(path);
  return entry != nullptr && entry->directory;
}

MemoryFileSystem::Entry& MemoryFileSystem::Existing(const Path& path) {
  Entry* entry = Find(path);
  if (entry == nullptr) Fail(IsDirectory(Parent(path)) ? vberr::kFileNotFound : vberr::kPathNotFound);
  return *entry;
}

void MemoryFileSystem::Store(const Path& path, std::string bytes, bool keepReadOnly, bool readOnly) {
  if (path.components.empty()) Fail(vberr::kPathFileAccessError);
  if (Entry* entry = Find(path)) {
    if (entry->directory || (keepReadOnly && entry->readOnly)) Fail(vberr::kPathFileAccessError);
    entry->bytes = std::move(bytes);
    if (!keepReadOnly) entry->readOnly = readOnly;
    return;
  }
  if (!IsDirectory(Parent(path))) Fail(vberr::kPathNotFound);
  entries_[Key(path)] = Entry{path.components.back(), false, readOnly, std::move(bytes)};
}

std::vector<std::string> MemoryFileSystem::List(const std::string& pattern, uint32_t attributes) {
  Before("List", pattern);
  const std::size_t separator = pattern.find_last_of("\\/");
  const bool drivePrefix = separator == std::string::npos && pattern.size() >= 2 && pattern[1] == ':';
  const std::size_t split = separator != std::string::npos ? separator + 1 : (drivePrefix ? 2 : 0);
  std::string name = pattern.substr(split);
  const bool wholeDirectory = name.empty();
  if (wholeDirectory) name = "*.*";
  CheckComponent(name, true);
  const Path directory = Resolve(split == 0 ? "." : pattern.substr(0, split));
  if (!IsDirectory(directory)) return {};

  const bool withDirectories = (attributes & attr::kDirectory) != 0;
  const std::u32string prefix = Key(directory) + U'\\';
  std::vector<std::string> names;
  for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix); ++it) {
    if (it->first.find(U'\\', prefix.size()) != std::u32string::npos) continue;  // deeper down
    const Entry& entry = it->second;
    if ((!entry.directory || withDirectories) && MatchesWildcard(name, entry.name))
      names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::u32string foldedA = FoldCase(a);
    const std::u32string foldedB = FoldCase(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
  });
  if (wholeDirectory && withDirectories) names.insert(names.begin(), ".");
  return names;
}

void MemoryFileSystem::CopyFile(const std::string& from, const std::string& to) {
  Before("CopyFile", from);
  const Path source = Resolve(from);
  const Entry& entry = Existing(source);
  if (entry.directory) Fail(vberr::kPathFileAccessError);
  Store(Resolve(to), entry.bytes, false, entry.readOnly);
}

uint32_t MemoryFileSystem::GetAttributes(const std::string& path) {
  Before("GetAttributes", path);
  const Path resolved = Resolve(path);
  if (resolved.components.empty()) return attr::kDirectory;
  const Entry& entry = Existing(resolved);
  uint32_t result = entry.directory ? attr::kDirectory : attr::kNormal;
  if (entry.readOnly) result |= attr::kReadOnly;
  if (IsHidden(entry.name)) result |= attr::kHidden;
  return result;
}

void MemoryFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  Before("SetAttributes", path);
  Existing(Resolve(path)).readOnly = (attributes & attr::kReadOnly) != 0;
}

void MemoryFileSystem::DeleteFile(const std::string& path) {
  Before("DeleteFile", path);
  const std::size_t separator = path.find_last_of("\\/");
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  std::vector<Path> victims;
  if (HasWildcard(name)) {
    // Like Kill, a pattern deletes every plain file it matches.
    const Path directory = Parent(Resolve(path, true));
    for (const std::string& match : List(path, attr::kNormal)) {
      Path victim = directory;
      victim.components.push_back(match);
      victims.push_back(victim);
    }
    if (victims.empty()) Fail(vberr::kFileNotFound);
  } else {
    victims.push_back(Resolve(path));
  }
  for (const Path& victim : victims) {
    const Entry& entry = Existing(victim);
    if (entry.directory || entry.readOnly) Fail(vberr::kPathFileAccessError);
    entries_.erase(Key(victim));
  }
}

void MemoryFileSystem::MakeDirectory(const std::string& path) {
  Before("MakeDirectory", path);
  const Path resolved = Resolve(path);
  if (resolved.components.empty() || Find(resolved) != nullptr) Fail(vberr::kPathFileAccessError);
  if (!IsDirectory(Parent(resolved))) Fail(vberr::kPathNotFound);
  entries_[Key(resolved)] = Entry{resolved.components.back(), true, false, ""};
}

void MemoryFileSystem::RemoveDirectory(const std::string& path) {
  Before("RemoveDirectory", path);
  const Path resolved = Resolve(path);
  if (resolved.components.empty()) Fail(vberr::kPathFileAccessError);
  if (!IsDirectory(resolved)) Fail(vberr::kPathNotFound);
  const std::u32string key = Key(resolved);
  const auto next = entries_.upper_bound(key);
  if (next != entries_.end() && next->first.starts_with(key + U'\\')) Fail(vberr::kPathFileAccessError);
  entries_.erase(key);
}

void MemoryFileSystem::SetCurrentDirectory(const std::string& path) {
  Before("SetCurrentDirectory", path);
  const Path resolved = Resolve(path);
  if (!IsDirectory(resolved)) Fail(vberr::kPathNotFound);
  current_ = Text(resolved);
}

std::string MemoryFileSystem::CreateTempFile(const std::string& directory, const std::string& prefix) {
  Before("CreateTempFile", directory);
  const Path resolved = Resolve(directory);
  if (!IsDirectory(resolved)) Fail(vberr::kPathNotFound);
  const std::string start = FirstThreeCharacters(prefix);
  CheckComponent(start, false);
  // A full path is named as the caller gave it, anything else made full.
  const bool full =
      directory.size() >= 3 && directory[1] == ':' && (directory[2] == '\\' || directory[2] == '/');
  std::string named = full ? directory : Text(resolved);
  if (named.back() != '\\' && named.back() != '/') named += '\\';
  for (;;) {
    Path file = resolved;
    file.components.push_back(start + UpperHex(++lastTempNumber_) + ".tmp");
    if (Find(file) != nullptr) continue;
    Store(file, "", false, false);
    return named + file.components.back();
  }
}

std::string MemoryFileSystem::ReadText(const std::string& path) {
  return Cp1252ToUtf8(ReadBytes(path));
}

void MemoryFileSystem::WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, Utf8ToCp1252(text));
}

std::string MemoryFileSystem::ReadBytes(const std::string& path) {
  Before("ReadBytes", path);
  const Entry& entry = Existing(Resolve(path));
  if (entry.directory) Fail(vberr::kPathFileAccessError);
  return entry.bytes;
}

void MemoryFileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  Before("WriteBytes", path);
  Store(Resolve(path), bytes, true, false);
}

void MemoryFileSystem::Put(const std::string& path, std::string_view bytes) {
  const Path resolved = Resolve(path);
  PutDirectory(Text(Parent(resolved)));
  Store(resolved, std::string(bytes), false, false);
}

void MemoryFileSystem::PutDirectory(const std::string& path) {
  Path made = Resolve(path);
  made.components.clear();
  for (const std::string& component : Resolve(path).components) {
    made.components.push_back(component);
    if (Find(made) == nullptr) entries_[Key(made)] = Entry{component, true, false, ""};
  }
}

std::string MemoryFileSystem::Get(const std::string& path) const {
  const Entry* entry = Find(Resolve(path));
  return entry == nullptr ? "" : entry->bytes;
}

bool MemoryFileSystem::Exists(const std::string& path) const {
  const Path resolved = Resolve(path);
  return resolved.components.empty() || Find(resolved) != nullptr;
}

std::string MemoryDir::WindowsPath(std::string_view relativePath) const {
  std::string path = root_ + "\\";
  for (char c : relativePath) path += c == '/' ? '\\' : c;
  return path;
}

void MemoryDir::Write(std::string_view relativePath, std::string_view bytes) const {
  fs_.Put(WindowsPath(relativePath), bytes);
}

std::string MemoryDir::Read(std::string_view relativePath) const {
  return fs_.Get(WindowsPath(relativePath));
}

bool MemoryDir::Exists(std::string_view relativePath) const {
  return fs_.Exists(WindowsPath(relativePath));
}

void MemoryDir::MakeDir(std::string_view relativePath) const {
  fs_.PutDirectory(WindowsPath(relativePath));
}

void MemoryDir::CopyFromSourceTree(std::string_view sourcePath, std::string_view relativePath) const {
  MakeDir(relativePath);
  for (const auto& file : std::filesystem::directory_iterator(SourceTreePath(sourcePath))) {
    if (!file.is_regular_file()) continue;
    Write(std::string(relativePath) + "/" + file.path().filename().string(), ReadHostFile(file.path()));
  }
}

}  // namespace verbsmith::test

#include "platform/staged_file_system.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "base/cp1252.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "platform/wildcard.h"

namespace verbsmith {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// One spelling per path: upper case, backslashes, no trailing separator
// except after a drive ("C:\").
std::string Key(const std::string& path) {
  std::string key = AsciiUpper(path);
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  return key;
}

// The directory part (with its trailing separator) and the last name.
std::pair<std::string, std::string> SplitLast(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 3 && IsSeparator(trimmed.back())) trimmed.pop_back();
  const std::size_t separator = trimmed.find_last_of("\\/");
  if (separator == std::string::npos) return {"", trimmed};
  return {trimmed.substr(0, separator + 1), trimmed.substr(separator + 1)};
}

[[noreturn]] void Fail(int32_t number) {
  throw VbError::Standard(number);
}

}  // namespace

bool StagedFileSystem::Deleted(const std::string& path) const {
  return deleted_.count(Key(path)) != 0;
}

bool StagedFileSystem::Scratch(const std::string& path) const {
  return scratch_.count(Key(path)) != 0;
}

bool StagedFileSystem::HasDirectory(const std::string& directory) {
  return directoryKeys_.count(Key(directory)) != 0 || DirectoryExists(inner_, directory);
}

void StagedFileSystem::FailIfOnlyHeld(const std::string& path) const {
  // A directory that is held holds nothing beneath; what is not held in it
  // is not there, as in any directory.
  if (holding_ && directoryKeys_.count(Key(SplitLast(path).first)) != 0) Fail(vberr::kFileNotFound);
}

const StagedFileSystem::HeldFile* StagedFileSystem::Find(const std::string& path) const {
  const auto it = files_.find(Key(path));
  return it == files_.end() ? nullptr : &it->second;
}

void StagedFileSystem::Hold(const std::string& path, std::string bytes) {
  const auto [directory, name] = SplitLast(path);
  if (name.empty() || directoryKeys_.count(Key(path)) != 0) Fail(vberr::kPathFileAccessError);
  if (!directory.empty() && !HasDirectory(directory)) Fail(vberr::kPathNotFound);
  deleted_.erase(Key(path));
  auto [it, inserted] = files_.try_emplace(Key(path), HeldFile{path, {}, nextOrder_});
  if (inserted) ++nextOrder_;
  it->second.bytes = std::move(bytes);
}

std::vector<std::string> StagedFileSystem::List(const std::string& pattern, uint32_t attributes) {
  std::vector<std::string> names = inner_.List(pattern, attributes);
  if (!holding_) return names;
  // Plain variables: lambdas below take them (clang cannot capture bindings).
  std::string directory, name;
  std::tie(directory, name) = SplitLast(pattern);
  const bool wholeDirectory = !pattern.empty() && IsSeparator(pattern.back());
  if (wholeDirectory) {
    directory = pattern;
    name = "*.*";
  }
  const std::string directoryKey = Key(directory);
  std::erase_if(names, [&](const std::string& n) { return Deleted(directory + n); });
  auto add = [&](const std::string& path) {
    const auto split = SplitLast(path);
    const std::string& itsName = split.second;
    if (Key(split.first) != directoryKey || !MatchesWildcard(name, itsName)) return;
    const bool listed = std::any_of(names.begin(), names.end(),
                                    [&](const std::string& n) { return SameNameIgnoringCase(n, itsName); });
    if (!listed) names.push_back(itsName);
  };
  for (const auto& [key, file] : files_) add(file.path);
  if ((attributes & attr::kDirectory) != 0) {
    for (const std::string& held : directories_) add(held);
    if (wholeDirectory && names.empty() && directoryKeys_.count(directoryKey) != 0) names.push_back(".");
  }
  return names;
}

void StagedFileSystem::CopyFile(const std::string& from, const std::string& to) {
  if (PassesThrough(to)) return inner_.CopyFile(from, to);
  Hold(to, ReadBytes(from));
}

uint32_t StagedFileSystem::GetAttributes(const std::string& path) {
  if (PassesThrough(path)) return inner_.GetAttributes(path);
  if (Deleted(path)) Fail(vberr::kFileNotFound);
  if (Find(path) != nullptr) return attr::kNormal;
  if (directoryKeys_.count(Key(path)) != 0) return attr::kDirectory;
  FailIfOnlyHeld(path);
  return inner_.GetAttributes(path);
}

void StagedFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  // A held file is written as a plain one; only the beneath keeps bits.
  if (PassesThrough(path)) return inner_.SetAttributes(path, attributes);
  if (Deleted(path)) Fail(vberr::kFileNotFound);
  if (Find(path) != nullptr || directoryKeys_.count(Key(path)) != 0) return;
  inner_.SetAttributes(path, attributes);
}

// A file beneath is deleted at commit; until then it reads as gone.
void StagedFileSystem::HoldDeletion(const std::string& path) {
  deleted_.emplace(Key(path), path);
}

void StagedFileSystem::DeleteFile(const std::string& path) {
  if (PassesThrough(path)) {
    inner_.DeleteFile(path);
    scratch_.erase(Key(path));
    return;
  }
  const auto [directory, pattern] = SplitLast(path);
  const std::string name = pattern;
  const std::string directoryKey = Key(directory);
  const auto held = std::erase_if(files_, [&](const auto& entry) {
    const auto split = SplitLast(entry.second.path);
    return Key(split.first) == directoryKey && MatchesWildcard(name, split.second);
  });
  std::size_t beneath = 0;
  for (const std::string& found : inner_.List(path, 0)) {
    if (Deleted(directory + found)) continue;
    HoldDeletion(directory + found);
    ++beneath;
  }
  if (held + beneath == 0) Fail(vberr::kFileNotFound);
}

void StagedFileSystem::MakeDirectory(const std::string& path) {
  if (!holding_) return inner_.MakeDirectory(path);
  if (Find(path) != nullptr || HasDirectory(path)) Fail(vberr::kPathFileAccessError);
  const auto [parent, name] = SplitLast(path);
  if (name.empty() || (!parent.empty() && !HasDirectory(parent))) Fail(vberr::kPathNotFound);
  directories_.push_back(path);
  directoryKeys_.insert(Key(path));
}

void StagedFileSystem::RemoveDirectory(const std::string& path) {
  const std::string key = Key(path);
  if (!holding_ || directoryKeys_.count(key) == 0) return inner_.RemoveDirectory(path);
  const std::string prefix = key + "\\";
  const bool holdsSomething =
      std::any_of(files_.begin(), files_.end(), [&](const auto& e) { return e.first.starts_with(prefix); }) ||
      std::any_of(directoryKeys_.begin(), directoryKeys_.end(),
                  [&](const std::string& d) { return d.starts_with(prefix); });
  if (holdsSomething) Fail(vberr::kPathFileAccessError);
  directoryKeys_.erase(key);
  std::erase_if(directories_, [&](const std::string& d) { return Key(d) == key; });
}

std::string StagedFileSystem::CreateTempFile(const std::string& directory, const std::string& prefix) {
  std::string path = inner_.CreateTempFile(directory, prefix);
  if (holding_) scratch_.insert(Key(path));
  return path;
}

std::string StagedFileSystem::ReadText(const std::string& path) {
  if (PassesThrough(path)) return inner_.ReadText(path);
  if (Deleted(path)) Fail(vberr::kFileNotFound);
  if (const HeldFile* held = Find(path)) return Cp1252ToUtf8(held->bytes);
  FailIfOnlyHeld(path);
  return inner_.ReadText(path);
}

void StagedFileSystem::WriteText(const std::string& path, const std::string& text) {
  if (PassesThrough(path)) return inner_.WriteText(path, text);
  WriteBytes(path, Utf8ToCp1252(text));
}

std::string StagedFileSystem::ReadBytes(const std::string& path) {
  if (PassesThrough(path)) return inner_.ReadBytes(path);
  if (Deleted(path)) Fail(vberr::kFileNotFound);
  if (const HeldFile* held = Find(path)) return held->bytes;
  FailIfOnlyHeld(path);
  return inner_.ReadBytes(path);
}

void StagedFileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  if (PassesThrough(path)) return inner_.WriteBytes(path, bytes);
  // As beneath, a read-only file is not rewritten (a copy over it is).
  uint32_t bits = 0;
  if (Find(path) == nullptr && !Deleted(path)) {
    try {
      bits = inner_.GetAttributes(path);
    } catch (const VbError&) {
      // Not there yet.
    }
  }
  if ((bits & attr::kReadOnly) != 0) Fail(vberr::kPathFileAccessError);
  Hold(path, bytes);
}

std::vector<std::string> StagedFileSystem::HeldFiles() const {
  std::vector<const HeldFile*> held;
  for (const auto& [key, file] : files_) held.push_back(&file);
  std::sort(held.begin(), held.end(),
            [](const HeldFile* a, const HeldFile* b) { return a->order < b->order; });
  std::vector<std::string> paths;
  for (const HeldFile* file : held) paths.push_back(file->path);
  return paths;
}

StagedFileSystem::Plan StagedFileSystem::Pending() const {
  Plan plan;
  plan.directories = directories_;
  for (const std::string& path : HeldFiles()) plan.writes.emplace_back(path, Find(path)->bytes);
  for (const auto& [key, path] : deleted_) plan.deletes.push_back(path);
  return plan;
}

void StagedFileSystem::Discard() {
  files_.clear();
  directories_.clear();
  directoryKeys_.clear();
  deleted_.clear();
  scratch_.clear();
}

void StagedFileSystem::SetHolding(bool holding) {
  Discard();
  holding_ = holding;
}

StagedFileSystem::Mark StagedFileSystem::Marked() const {
  return Mark{files_, directories_, directoryKeys_, nextOrder_, deleted_};
}

void StagedFileSystem::BackTo(const Mark& mark) {
  files_ = mark.files;
  directories_ = mark.directories;
  directoryKeys_ = mark.directoryKeys;
  nextOrder_ = mark.nextOrder;
  deleted_ = mark.deleted;
}

void StagedFileSystem::CheckWritable(const std::string& directory) {
  std::string beneath = directory;
  while (holding_ && directoryKeys_.count(Key(beneath)) != 0) beneath = SplitLast(beneath).first;
  inner_.CheckWritable(beneath);
}

void StagedFileSystem::Commit() {
  std::string current;
  try {
    const Plan plan = Pending();
    for (const std::string& directory : plan.directories) {
      current = directory;
      MakeDirectoryIfMissing(inner_, directory);
    }
    for (const auto& [path, bytes] : plan.writes) {
      current = path;
      WriteReplacing(inner_, path, bytes);
    }
    for (const std::string& path : plan.deletes) {
      current = path;
      inner_.DeleteFile(path);
    }
  } catch (const VbError& e) {
    throw VbError(e.Number(), e.Source(), current + ": " + e.Description());
  }
  Discard();
}

}  // namespace verbsmith

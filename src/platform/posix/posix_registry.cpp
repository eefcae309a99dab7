#include "platform/posix/posix_registry.h"

#include <filesystem>
#include <fstream>
#include <utility>

#include "base/vb_error.h"
#include "platform/registry_answer.h"

namespace verbsmith {

namespace {

constexpr const char* kSource = "Registry";

bool IsNumber(const RegistryValue& value) {
  return (value.type == regtype::kDword && value.data.size() == 4) ||
         (value.type == regtype::kQword && value.data.size() == 8);
}

// What a string read of the value gives: the text itself, a dword or qword
// as its unsigned decimal number, other data as its bytes.
long DeliverValue(const RegistryValue& value, size_t bufferSize, std::string* out) {
  if (IsNumber(value)) {
    uint64_t number = 0;
    for (size_t i = value.data.size(); i-- > 0;)
      number = number * 256 + static_cast<unsigned char>(value.data[i]);
    return DeliverRegistryText(std::to_string(number), true, bufferSize, out);
  }
  return DeliverRegistryText(value.data, IsRegistryTextType(value.type), bufferSize, out);
}

}  // namespace

PosixRegistry::PosixRegistry(const std::vector<std::string>& files) {
  Apply(ParsedRegistryFile{});
  for (const std::string& file : files) LoadFile(file);
}

namespace {

std::string TooLarge() {
  return "the file is larger than " + std::to_string(kLargestRegistryFile >> 20) +
         " MB, the most a registry file may hold";
}

// The whole file, or the problem that keeps it from being read.
std::string ReadRegistryFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    throw VbError(vberr::kFileNotFound, kSource, "File not found: " + path);
  }
  if (error || status.type() != std::filesystem::file_type::regular) {
    throw VbError(vberr::kPathFileAccessError, kSource, "Path/File access error: " + path);
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes;
  if (in) {
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > static_cast<std::streamoff>(kLargestRegistryFile)) {
      throw VbError(vberr::kOutOfMemory, kSource, TooLarge() + ": " + path);
    }
    // Only what the size promised is read, should the file grow meanwhile.
    if (size > 0) {
      bytes.resize(static_cast<size_t>(size));
      in.read(bytes.data(), size);
    }
  }
  if (!in) throw VbError(vberr::kPathFileAccessError, kSource, "Path/File access error: " + path);
  return bytes;
}

}  // namespace

std::string RegistryFileProblem::Text() const {
  return file + ": " + (line == 0 ? "" : "line " + std::to_string(line) + ": ") + problem;
}

void PosixRegistry::LoadFile(const std::string& path) {
  LoadText(ReadRegistryFile(path), path);
}

std::optional<RegistryFileProblem> PosixRegistry::LoadFileOrReport(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadRegistryFile(path);
  } catch (const VbError& e) {
    return RegistryFileProblem{path, 0,
                               e.Number() == vberr::kFileNotFound  ? "the file does not exist"
                               : e.Number() == vberr::kOutOfMemory ? TooLarge()
                                                                   : "the file cannot be read"};
  }
  try {
    Apply(ParseRegistryFile(bytes, path));
  } catch (const RegistryParseError& e) {
    return RegistryFileProblem{path, e.Line(), e.Reason()};
  }
  return std::nullopt;
}

void PosixRegistry::LoadText(std::string_view bytes, std::string_view name) {
  // Open handles point into the trees a load may change.
  if (openCount_ != 0) {
    throw VbError(vberr::kInvalidProcedureCall, kSource,
                  "Registry files are loaded before any key is opened");
  }
  ParsedRegistryFile parsed;
  try {
    parsed = ParseRegistryFile(bytes, name);
  } catch (const RegistryParseError& e) {
    throw VbError(vberr::kSystemFailure, kSource, e.what());
  }
  Apply(std::move(parsed));
}

void PosixRegistry::Apply(ParsedRegistryFile&& file) {
  for (const RegistryDeletion& deletion : file.deletions) {
    RegistryNode* node = deletion.hive == RegistryHive::kUser ? &user_ : &machine_;
    const size_t parentDepth = deletion.foldedPath.size() - (deletion.foldedValueName ? 0 : 1);
    for (size_t i = 0; node != nullptr && i < parentDepth; ++i)
      node = node->FindChild(deletion.foldedPath[i]);
    if (node == nullptr) continue;
    if (deletion.foldedValueName) {
      node->RemoveValue(*deletion.foldedValueName);
    } else {
      node->RemoveChild(deletion.foldedPath.back());
    }
  }
  machine_.MergeFrom(std::move(file.machine));
  user_.MergeFrom(std::move(file.user));

  const auto classes = [](const RegistryNode& hive) -> const RegistryNode* {
    const RegistryNode* software = hive.FindChild("SOFTWARE");
    return software == nullptr ? nullptr : software->FindChild("CLASSES");
  };
  roots_ = {};
  roots_[0].view.nodes = {classes(user_), classes(machine_)};
  roots_[1].view.nodes = {&user_, nullptr};
  roots_[2].view.nodes = {nullptr, &machine_};
}

PosixRegistry::Handle* PosixRegistry::Find(RegKey key) {
  static_assert(regroot::kCurrentUser == regroot::kClassesRoot + 1 &&
                regroot::kLocalMachine == regroot::kClassesRoot + 2);
  if (key >= regroot::kClassesRoot && key <= regroot::kLocalMachine)
    return &roots_[key - regroot::kClassesRoot];
  const uint64_t index = (key & 0xFFFFFFFFu) - 1;
  if ((key >> 32) == 0 || index >= slots_.size()) return nullptr;
  Slot& slot = slots_[index];
  return slot.open && slot.generation == (key >> 32) ? &slot.handle : nullptr;
}

bool PosixRegistry::Walk(const View& from, std::string_view subkey, View* to) {
  // Windows takes no path that starts at a root separator.
  if (subkey.starts_with('\\')) return false;
  View view = from;
  while (!subkey.empty()) {
    const size_t sep = subkey.find('\\');
    const std::string_view name = subkey.substr(0, sep);
    subkey = sep == std::string_view::npos ? std::string_view() : subkey.substr(sep + 1);
    if (name.empty()) continue;
    folded_.clear();
    AppendFoldedRegistryName(name, &folded_);
    for (const RegistryNode*& node : view.nodes) {
      if (node != nullptr) node = node->FindChild(folded_);
    }
    if (view.Empty()) return false;
  }
  *to = view;
  return true;
}

const std::vector<const RegistryNode*>& PosixRegistry::Children(Handle& handle) {
  static const std::vector<const RegistryNode*> kNone;
  const auto& [user, machine] = handle.view.nodes;
  if (user == nullptr && machine == nullptr) return kNone;
  if (user == nullptr) return machine->SortedChildren();
  if (machine == nullptr) return user->SortedChildren();
  if (!handle.merged) {
    // Both lists are in folded-name order; a name in both is listed once,
    // as the user's key.
    const auto& mine = user->SortedChildren();
    const auto& theirs = machine->SortedChildren();
    auto merged = std::make_shared<std::vector<const RegistryNode*>>();
    merged->reserve(mine.size() + theirs.size());
    size_t i = 0;
    size_t j = 0;
    while (i < mine.size() || j < theirs.size()) {
      if (i == mine.size()) {
        merged->push_back(theirs[j++]);
        continue;
      }
      if (j == theirs.size()) {
        merged->push_back(mine[i++]);
        continue;
      }
      const std::string& a = mine[i]->FoldedName();
      const std::string& b = theirs[j]->FoldedName();
      if (a < b) {
        merged->push_back(mine[i++]);
      } else if (b < a) {
        merged->push_back(theirs[j++]);
      } else {
        merged->push_back(mine[i++]);
        ++j;
      }
    }
    handle.merged = std::move(merged);
  }
  return *handle.merged;
}

long PosixRegistry::OpenKey(RegKey parent, const std::string& subkey, RegKey* result) {
  Handle* from = Find(parent);
  // Without a place for the key, an opened key could never be closed.
  if (from == nullptr || result == nullptr) return regcode::kInvalidHandle;
  View view;
  if (!Walk(from->view, subkey, &view)) return regcode::kFileNotFound;
  uint32_t index;
  if (freeSlots_.empty()) {
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  } else {
    index = freeSlots_.back();
    freeSlots_.pop_back();
  }
  Slot& slot = slots_[index];
  // Generations start at 1, so no key value is ever a predefined root's.
  ++slot.generation;
  if (slot.generation == 0) slot.generation = 1;
  slot.open = true;
  slot.handle = Handle{view, nullptr};
  ++openCount_;
  const RegKey key = (RegKey{slot.generation} << 32) | (RegKey{index} + 1);
  *result = key;
  return regcode::kSuccess;
}

long PosixRegistry::QueryDefaultValue(RegKey key, const std::string& subkey, std::string* value,
                                      size_t bufferSize) {
  Handle* from = Find(key);
  if (from == nullptr) return regcode::kInvalidHandle;
  View view;
  if (!Walk(from->view, subkey, &view)) return regcode::kFileNotFound;
  // A key without a default value reads as empty text, as RegQueryValue
  // answers.
  const RegistryNode* owner = view.Owner();
  if (owner == nullptr) return regcode::kFileNotFound;
  const RegistryValue* found = owner->FindValue("");
  if (found == nullptr) return DeliverRegistryText(std::string_view(), true, bufferSize, value);
  return DeliverValue(*found, bufferSize, value);
}

long PosixRegistry::QueryValue(RegKey key, const std::string& name, std::string* value, size_t bufferSize) {
  Handle* handle = Find(key);
  if (handle == nullptr) return regcode::kInvalidHandle;
  const RegistryNode* owner = handle->view.Owner();
  if (owner == nullptr) return regcode::kFileNotFound;
  folded_.clear();
  AppendFoldedRegistryName(name, &folded_);
  const RegistryValue* found = owner->FindValue(folded_);
  if (found == nullptr) return regcode::kFileNotFound;
  return DeliverValue(*found, bufferSize, value);
}

long PosixRegistry::EnumKey(RegKey key, uint32_t index, std::string* name, size_t bufferSize) {
  Handle* handle = Find(key);
  if (handle == nullptr) return regcode::kInvalidHandle;
  const auto& children = Children(*handle);
  if (index >= children.size()) return regcode::kNoMoreItems;
  return DeliverRegistryText(children[index]->Name(), true, bufferSize, name);
}

long PosixRegistry::CloseKey(RegKey key) {
  // The predefined roots need no closing, and closing them does no harm.
  if (key >= regroot::kClassesRoot && key <= regroot::kLocalMachine) return regcode::kSuccess;
  if (Find(key) == nullptr) return regcode::kInvalidHandle;
  Slot& slot = slots_[(key & 0xFFFFFFFFu) - 1];
  slot.open = false;
  slot.handle = Handle{};
  freeSlots_.push_back(static_cast<uint32_t>((key & 0xFFFFFFFFu) - 1));
  --openCount_;
  return regcode::kSuccess;
}

}  // namespace verbsmith

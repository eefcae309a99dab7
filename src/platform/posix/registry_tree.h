#pragma once
// Registry hives in memory: keys whose names compare without regard to
// case, each holding typed values.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace verbsmith {

// The value types the registry files name (REG_SZ and friends).
namespace regtype {
inline constexpr uint32_t kNone = 0;
inline constexpr uint32_t kString = 1;
inline constexpr uint32_t kExpandString = 2;
inline constexpr uint32_t kBinary = 3;
inline constexpr uint32_t kDword = 4;
inline constexpr uint32_t kMultiString = 7;
inline constexpr uint32_t kQword = 11;
}  // namespace regtype

// True for the types whose data is text.
bool IsRegistryTextType(uint32_t type);

struct RegistryValue {
  std::string name;  // as written
  uint32_t type = regtype::kString;
  // UTF-8 text for the text types (the strings of a multi-string separated
  // by zero characters); the raw bytes, little-endian, for the others.
  std::string data;
};

// Appends the case-folded form of a UTF-8 name: letters go to upper case,
// as Windows compares and orders key names.
void AppendFoldedRegistryName(std::string_view name, std::string* out);
std::string FoldRegistryName(std::string_view name);

// Keys may nest no deeper than Windows lets them, which also keeps every
// walk over a tree within a bounded depth.
inline constexpr size_t kMaxRegistryDepth = 512;

class RegistryNode {
 public:
  RegistryNode() = default;
  RegistryNode(std::string name, std::string foldedName)
      : name_(std::move(name)), foldedName_(std::move(foldedName)) {}
  RegistryNode(const RegistryNode&) = delete;
  RegistryNode& operator=(const RegistryNode&) = delete;
  RegistryNode(RegistryNode&&) = default;
  RegistryNode& operator=(RegistryNode&&) = default;

  const std::string& Name() const { return name_; }
  const std::string& FoldedName() const { return foldedName_; }

  // Lookups take names already folded with FoldRegistryName.
  const RegistryNode* FindChild(std::string_view foldedName) const;
  RegistryNode* FindChild(std::string_view foldedName);
  // The subkey of that name, made when missing; an existing one keeps the
  // case it was first written with.
  RegistryNode& AddChild(std::string_view name, std::string_view foldedName);
  bool RemoveChild(std::string_view foldedName);
  size_t ChildCount() const { return childCount_; }
  // Subkeys in the order Windows enumerates them: by upper-cased name.
  const std::vector<const RegistryNode*>& SortedChildren() const;

  const RegistryValue* FindValue(std::string_view foldedName) const;
  void SetValue(std::string_view foldedName, RegistryValue value);
  bool RemoveValue(std::string_view foldedName);
  size_t ValueCount() const { return values_.size(); }

  // Moves other's subkeys and values into this key; other's win.
  void MergeFrom(RegistryNode&& other);
  void Clear();

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  struct Equal {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return a == b; }
  };

  // Subkeys in an open-addressing table (linear probing, power-of-two
  // size): a lookup touches one slot and the key itself, which matters
  // when a key such as CLSID has tens of thousands of subkeys.
  struct ChildSlot {
    uint64_t hash = 0;  // kTombstone in a slot whose key was removed
    std::unique_ptr<RegistryNode> node;
  };
  static constexpr uint64_t kTombstone = 1;
  size_t FindSlot(std::string_view foldedName, uint64_t hash) const;
  void Grow();

  std::string name_;
  std::string foldedName_;
  std::vector<ChildSlot> children_;
  size_t childCount_ = 0;
  size_t usedSlots_ = 0;  // children and tombstones
  std::unordered_map<std::string, RegistryValue, Hash, Equal> values_;
  // Built on the first enumeration; any change to the subkeys drops it.
  mutable std::vector<const RegistryNode*> sorted_;
  mutable bool sortedValid_ = false;
};

}  // namespace verbsmith

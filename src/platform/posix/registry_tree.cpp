#include "platform/posix/registry_tree.h"

#include <algorithm>
#include <utility>

#include "base/utf8.h"

namespace verbsmith {

namespace {

// Upper case for the scripts key names commonly use beyond ASCII: Latin-1,
// Latin Extended-A, Greek and Cyrillic.
char32_t UpperCase(char32_t c) {
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
    return c & ~char32_t{1};
  }
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
    return (c & 1) == 0 ? c - 1 : c;
  }
  if (c >= 0x3B1 && c <= 0x3C9) return c == 0x3C2 ? 0x3A3 : c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

}  // namespace

bool IsRegistryTextType(uint32_t type) {
  return type == regtype::kString || type == regtype::kExpandString || type == regtype::kMultiString;
}

void AppendFoldedRegistryName(std::string_view name, std::string* out) {
  size_t i = 0;
  while (i < name.size()) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x80) {
      out->push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : static_cast<char>(c));
      ++i;
      continue;
    }
    // Only two-byte sequences hold letters this folds; anything else,
    // malformed bytes included, is copied as it stands.
    if ((c & 0xE0) == 0xC0 && i + 1 < name.size() &&
        (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80) {
      const char32_t cp = (char32_t{c & 0x1Fu} << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3Fu);
      if (cp >= 0x80) {
        AppendUtf8(UpperCase(cp), *out);
        i += 2;
        continue;
      }
    }
    out->push_back(static_cast<char>(c));
    ++i;
  }
}

std::string FoldRegistryName(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  AppendFoldedRegistryName(name, &folded);
  return folded;
}

size_t RegistryNode::FindSlot(std::string_view foldedName, uint64_t hash) const {
  const size_t mask = children_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const ChildSlot& slot = children_[i];
    if (slot.node == nullptr) {
      if (slot.hash != kTombstone) return i;
    } else if (slot.hash == hash && slot.node->foldedName_ == foldedName) {
      return i;
    }
  }
}

const RegistryNode* RegistryNode::FindChild(std::string_view foldedName) const {
  if (childCount_ == 0) return nullptr;
  return children_[FindSlot(foldedName, std::hash<std::string_view>{}(foldedName))].node.get();
}

RegistryNode* RegistryNode::FindChild(std::string_view foldedName) {
  if (childCount_ == 0) return nullptr;
  return children_[FindSlot(foldedName, std::hash<std::string_view>{}(foldedName))].node.get();
}

void RegistryNode::Grow() {
  std::vector<ChildSlot> old = std::move(children_);
  // At most half full after growing, counting only live children.
  size_t size = 8;
  while (size < (childCount_ + 1) * 2) size *= 2;
  children_ = std::vector<ChildSlot>(size);
  usedSlots_ = childCount_;
  const size_t mask = size - 1;
  for (ChildSlot& slot : old) {
    if (slot.node == nullptr) continue;
    size_t i = slot.hash & mask;
    while (children_[i].node != nullptr) i = (i + 1) & mask;
    children_[i] = std::move(slot);
  }
}

RegistryNode& RegistryNode::AddChild(std::string_view name, std::string_view foldedName) {
  // Keep at most three quarters of the slots used, tombstones included, so
  // that every probe ends at an empty slot.
  if ((usedSlots_ + 1) * 4 > children_.size() * 3) Grow();
  const uint64_t hash = std::hash<std::string_view>{}(foldedName);
  ChildSlot& slot = children_[FindSlot(foldedName, hash)];
  if (slot.node == nullptr) {
    slot.hash = hash;
    slot.node = std::make_unique<RegistryNode>(std::string(name), std::string(foldedName));
    ++childCount_;
    ++usedSlots_;
    sortedValid_ = false;
  }
  return *slot.node;
}

bool RegistryNode::RemoveChild(std::string_view foldedName) {
  if (childCount_ == 0) return false;
  ChildSlot& slot = children_[FindSlot(foldedName, std::hash<std::string_view>{}(foldedName))];
  if (slot.node == nullptr) return false;
  slot.node.reset();
  slot.hash = kTombstone;
  --childCount_;
  sortedValid_ = false;
  return true;
}

const std::vector<const RegistryNode*>& RegistryNode::SortedChildren() const {
  if (!sortedValid_) {
    sorted_.clear();
    sorted_.reserve(childCount_);
    for (const ChildSlot& slot : children_) {
      if (slot.node != nullptr) sorted_.push_back(slot.node.get());
    }
    std::sort(sorted_.begin(), sorted_.end(),
              [](const RegistryNode* a, const RegistryNode* b) { return a->foldedName_ < b->foldedName_; });
    sortedValid_ = true;
  }
  return sorted_;
}

const RegistryValue* RegistryNode::FindValue(std::string_view foldedName) const {
  const auto it = values_.find(foldedName);
  return it == values_.end() ? nullptr : &it->second;
}

void RegistryNode::SetValue(std::string_view foldedName, RegistryValue value) {
  values_.insert_or_assign(std::string(foldedName), std::move(value));
}

bool RegistryNode::RemoveValue(std::string_view foldedName) {
  const auto it = values_.find(foldedName);
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

void RegistryNode::MergeFrom(RegistryNode&& other) {
  for (auto& [folded, value] : other.values_) SetValue(folded, std::move(value));
  other.values_.clear();
  for (ChildSlot& theirs : other.children_) {
    if (theirs.node == nullptr) continue;
    RegistryNode* mine = FindChild(theirs.node->foldedName_);
    if (mine != nullptr) {
      mine->MergeFrom(std::move(*theirs.node));
      continue;
    }
    if ((usedSlots_ + 1) * 4 > children_.size() * 3) Grow();
    ChildSlot& slot = children_[FindSlot(theirs.node->foldedName_, theirs.hash)];
    slot = std::move(theirs);
    ++childCount_;
    ++usedSlots_;
    sortedValid_ = false;
  }
  other.Clear();
}

void RegistryNode::Clear() {
  children_.clear();
  childCount_ = 0;
  usedSlots_ = 0;
  values_.clear();
  sorted_.clear();
  sortedValid_ = false;
}

}  // namespace verbsmith

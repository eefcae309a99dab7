#include "platform/posix/registry_tree.h"

#include <algorithm>
#include <utility>

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

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
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
        AppendUtf8(UpperCase(cp), out);
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

const RegistryNode* RegistryNode::FindChild(std::string_view foldedName) const {
  const auto it = children_.find(foldedName);
  return it == children_.end() ? nullptr : it->second.get();
}

RegistryNode* RegistryNode::FindChild(std::string_view foldedName) {
  const auto it = children_.find(foldedName);
  return it == children_.end() ? nullptr : it->second.get();
}

RegistryNode& RegistryNode::AddChild(std::string_view name, std::string_view foldedName) {
  const auto it = children_.find(foldedName);
  if (it != children_.end()) return *it->second;
  sortedValid_ = false;
  auto child = std::make_unique<RegistryNode>(std::string(name));
  RegistryNode& result = *child;
  children_.emplace(std::string(foldedName), std::move(child));
  return result;
}

bool RegistryNode::RemoveChild(std::string_view foldedName) {
  const auto it = children_.find(foldedName);
  if (it == children_.end()) return false;
  children_.erase(it);
  sortedValid_ = false;
  return true;
}

const std::vector<const RegistryNode*>& RegistryNode::SortedChildren() const {
  if (!sortedValid_) {
    std::vector<std::pair<std::string_view, const RegistryNode*>> entries;
    entries.reserve(children_.size());
    for (const auto& [folded, child] : children_) entries.emplace_back(folded, child.get());
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    sorted_.clear();
    sorted_.reserve(entries.size());
    for (const auto& entry : entries) sorted_.push_back(entry.second);
    sortedValid_ = true;
  }
  return sorted_;
}

const RegistryValue* RegistryNode::FindValue(std::string_view foldedName) const {
  const auto it = values_.find(foldedName);
  return it == values_.end() ? nullptr : &it->second;
}

void RegistryNode::SetValue(std::string_view foldedName, RegistryValue value) {
  const auto it = values_.find(foldedName);
  if (it != values_.end()) {
    it->second = std::move(value);
  } else {
    values_.emplace(std::string(foldedName), std::move(value));
  }
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
  for (auto& [folded, child] : other.children_) {
    const auto it = children_.find(folded);
    if (it == children_.end()) {
      children_.emplace(folded, std::move(child));
      sortedValid_ = false;
    } else {
      it->second->MergeFrom(std::move(*child));
    }
  }
  other.Clear();
}

void RegistryNode::Clear() {
  children_.clear();
  values_.clear();
  sorted_.clear();
  sortedValid_ = false;
}

}  // namespace verbsmith

#include "forms/list_control.h"

#include <algorithm>

#include "base/strings.h"
#include "base/vb_error.h"

namespace verbsmith::forms {

namespace {

constexpr int32_t kInvalidPropertyArrayIndex = 381;
constexpr int32_t kTextReadOnly = 383;

}  // namespace

void ListControl::AddItem(std::string item) {
  if (!sorted_) {
    items_.push_back(std::move(item));
    return;
  }
  const auto at = std::upper_bound(items_.begin(), items_.end(), item, LessIgnoringCase);
  AddItem(std::move(item), static_cast<int>(at - items_.begin()));
}

void ListControl::AddItem(std::string item, int index) {
  if (index < 0 || index > ListCount()) throw VbError::Standard(vberr::kInvalidProcedureCall, Name());
  items_.insert(items_.begin() + index, std::move(item));
  // The selection stays on the same entry.
  if (listIndex_ >= index) ++listIndex_;
}

void ListControl::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) throw VbError::Standard(vberr::kInvalidProcedureCall, Name());
  items_.erase(items_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

void ListControl::Clear() {
  items_.clear();
  listIndex_ = -1;
}

const std::string& ListControl::List(int index) const {
  if (index < 0 || index >= ListCount()) throw VbError::Standard(kInvalidPropertyArrayIndex, Name());
  return items_[static_cast<size_t>(index)];
}

int ListControl::FindItem(const std::string& text) const {
  const auto at = std::find(items_.begin(), items_.end(), text);
  return at == items_.end() ? -1 : static_cast<int>(at - items_.begin());
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) throw VbError::Standard(vberr::kInvalidPropertyValue, Name());
  if (index == listIndex_) return;
  listIndex_ = index;
  SelectionChanged();
  RaiseClick();
}

void ComboBox::SetText(std::string text) {
  if (!IsEditable()) {
    if (text.empty()) {
      SetListIndex(-1);
      return;
    }
    const int index = FindItem(text);
    if (index < 0) throw VbError(kTextReadOnly, Name(), "'Text' property is read-only");
    SetListIndex(index);
    return;
  }
  if (text == text_) return;
  text_ = std::move(text);
  // The list follows the edit field: an exact entry is selected, else none.
  SetListIndexQuietly(FindItem(text_));
  Raise(onChange);
}

void ComboBox::SelectionChanged() {
  text_ = ListIndex() < 0 ? std::string() : List(ListIndex());
}

}  // namespace verbsmith::forms

#pragma once
// The entries and selection shared by list boxes and combo boxes. Setting
// ListIndex selects an entry and fires Click when the selection changes.

#include <string>
#include <vector>

#include "forms/control.h"

namespace verbsmith::forms {

class ListControl : public Control {
 public:
  using Control::Control;

  // Appends the entry, or inserts it in order when the list is sorted.
  void AddItem(std::string item);
  // Inserts at an index (0 .. ListCount); raises error 5 otherwise.
  void AddItem(std::string item, int index);
  // Raises error 5 for an index out of range.
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The entry at an index; raises error 381 (invalid property array index)
  // out of range.
  const std::string& List(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  // The index of the entry with exactly this text, or -1.
  int FindItem(const std::string& text) const;

  // -1 when nothing is selected.
  int ListIndex() const { return listIndex_; }
  // -1 clears the selection; anything outside -1 .. ListCount - 1 raises
  // error 380 (invalid property value).
  void SetListIndex(int index);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted) { sorted_ = sorted; }

 protected:
  // Called when the selection moved, before Click.
  virtual void SelectionChanged() {}
  void SetListIndexQuietly(int index) { listIndex_ = index; }

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
  bool sorted_ = false;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& form, std::string name, Control* container)
      : ListControl(form, std::move(name), ControlKind::kListBox, container) {}

  // The selected entry, or empty.
  std::string Text() const { return ListIndex() < 0 ? std::string() : List(ListIndex()); }
};

namespace combo {
inline constexpr int kDropdownCombo = 0;
inline constexpr int kSimpleCombo = 1;
inline constexpr int kDropdownList = 2;
}  // namespace combo

// A combo box: an edit field with a list. Typing or setting Text fires
// Change when the text changes; choosing an entry sets the text and fires
// Click; the user opening the list fires DropDown first.
class ComboBox : public ListControl {
 public:
  ComboBox(Form& form, std::string name, Control* container)
      : ListControl(form, std::move(name), ControlKind::kComboBox, container) {}

  int Style() const { return style_; }
  void SetStyle(int style) { style_ = style; }
  bool IsEditable() const { return style_ != combo::kDropdownList; }

  const std::string& Text() const { return text_; }
  // Editable styles: replaces the text (Change when it differs). A drop-down
  // list selects the entry with that text, or nothing for an empty text; any
  // other text raises error 383 ('Text' property is read-only).
  void SetText(std::string text);

  std::function<void()> onChange;
  std::function<void()> onDropDown;
  void RaiseDropDown() { Raise(onDropDown); }

 protected:
  void SelectionChanged() override;

 private:
  std::string text_;
  int style_ = combo::kDropdownCombo;
};

}  // namespace verbsmith::forms

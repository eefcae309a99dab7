#pragma once
// One thing a person does to a form: the unit the modal loop feeds in.

#include <optional>
#include <string>
#include <utility>

namespace verbsmith::forms {

enum class ActionKind {
  kType,    // replace a text box's or an editable combo box's text
  kClick,   // click a control (toggles a check box, selects an option button)
  kCheck,   // bring a check box to `index` (1 checked, 0 clear), clicking it only if it differs
  kChoose,  // pick a list or combo entry (by index or text), a drive, a directory, a scroll value
  kKey,     // press a key while a control has the focus
  kLeave,   // move the focus away from a control, as the Tab key does
  kClose,   // close the form with its window's close box
  kWheel,   // turn the mouse wheel over a control, `index` notches (positive: down)
  kResize,  // drag the front window's border to `text`, "WIDTH HEIGHT" in twips
};

struct UserAction {
  UserAction() = default;
  explicit UserAction(ActionKind actionKind, std::string controlName = {}, std::string actionText = {})
      : kind(actionKind), control(std::move(controlName)), text(std::move(actionText)) {}

  ActionKind kind = ActionKind::kClick;
  std::string control;       // the control's name; empty for kClose
  std::string text;          // typed text, or the entry to choose by text
  std::optional<int> index;  // the entry to choose by index (0 is the first, as ListIndex); kCheck's value
  int keyCode = 0;           // for kKey
  int shift = 0;             // shift state for kKey: 1 Shift, 2 Ctrl, 4 Alt
  std::string echo;          // how the action reads in the transcript; empty: not echoed
  int line = 0;              // where it came from (a script line), 0 when unknown
};

}  // namespace verbsmith::forms

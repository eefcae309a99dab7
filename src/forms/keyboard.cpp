#include "forms/keyboard.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "forms/form.h"
#include "forms/key_codes.h"
#include "forms/user_actions.h"

namespace verbsmith::forms {

namespace {

bool Usable(const Form& form, const CommandButton* button) {
  return button != nullptr && Reachable(form, *button);
}

// The letter a caption underlines ("&Next >" underlines N), or 0.
char AccessKeyOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&')
      return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    ++i;  // "&&" shows one ampersand
  }
  return 0;
}

// The controls in tab order, starting after `from` and wrapping round.
std::vector<Control*> TabOrderAfter(const Form& form, const Control* from) {
  std::vector<Control*> all = form.Controls();
  std::stable_sort(all.begin(), all.end(),
                   [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
  const auto at = std::find(all.begin(), all.end(), from);
  if (at != all.end()) std::rotate(all.begin(), std::next(at), all.end());
  return all;
}

// Alt and a letter: the next control after the focus whose caption
// underlines it acts as if clicked; a label or frame hands the focus to the
// control after it.
void PressAccessKey(Form& form, Control* focused, int keyCode) {
  for (Control* control : TabOrderAfter(form, focused)) {
    if (AccessKeyOf(control->Caption()) != keyCode || !Reachable(form, *control)) continue;
    const ControlKind kind = control->Kind();
    if (kind == ControlKind::kLabel || kind == ControlKind::kFrame) {
      Control* next = form.NextInTabOrder(control);
      if (next == nullptr) continue;
      return form.TabTo(next);
    }
    if (!control->IsFocusable()) continue;
    form.MoveFocus(control);
    if (control->HasFocus() && Reachable(form, *control)) ClickAsPerson(*control);
    return;
  }
}

// The next (or previous) reachable option of the same group, in tab order.
Control* Neighbour(const Form& form, const Control& from, bool backward) {
  std::vector<Control*> order = TabOrderAfter(form, &from);
  if (backward) std::reverse(order.begin(), order.end());
  for (Control* control : order) {
    if (control != &from && control->Kind() == from.Kind() && control->Container() == from.Container() &&
        control->IsFocusable() && Reachable(form, *control)) {
      return control;
    }
  }
  return nullptr;
}

// Up and Left go back, Down and Right on: the selection moves within an
// option group, the focus within a set of check boxes, a scroll bar by its
// small change.
void PressArrow(Form& form, Control& focused, int keyCode) {
  const bool backward = keyCode == key::kUp || keyCode == key::kLeft;
  if (auto* bar = dynamic_cast<VScrollBar*>(&focused)) {
    if (keyCode == key::kUp || keyCode == key::kDown)
      bar->ScrollBy(backward ? -bar->SmallChange() : bar->SmallChange());
    return;
  }
  if (focused.Kind() != ControlKind::kOptionButton && focused.Kind() != ControlKind::kCheckBox) return;
  Control* next = Neighbour(form, focused, backward);
  if (next == nullptr) return;
  form.MoveFocus(next);
  if (auto* option = dynamic_cast<OptionButton*>(next); option != nullptr && option->HasFocus()) {
    option->SetValue(true);
  }
}

bool IsArrow(int keyCode) {
  return keyCode == key::kLeft || keyCode == key::kUp || keyCode == key::kRight || keyCode == key::kDown;
}

bool IsLetterOrDigit(int keyCode) {
  return (keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9');
}

}  // namespace

void PressKey(Form& form, Control* focused, const UserAction& action) {
  const int code = action.keyCode;
  switch (code) {
    case key::kReturn:
      // The dialog manager turns Enter into a click of the focused button,
      // else of the default button; the control sees no KeyDown then.
      if (focused != nullptr && focused->Kind() == ControlKind::kCommandButton) {
        focused->RaiseClick();
      } else if (Usable(form, form.DefaultButton())) {
        form.DefaultButton()->RaiseClick();
      } else if (focused != nullptr) {
        focused->RaiseKeyDown(code, action.shift);
      }
      return;
    case key::kEscape:
      if (Usable(form, form.CancelButton())) {
        form.CancelButton()->RaiseClick();
      } else if (focused != nullptr) {
        focused->RaiseKeyDown(code, action.shift);
      }
      return;
    case key::kTab:
      if (focused == nullptr) {
        form.TabTo(form.NextInTabOrder(nullptr));
      } else if (Control* next = form.NextInTabOrder(focused, (action.shift & shift::kShift) != 0)) {
        form.TabTo(next);
      }
      return;
    default:
      break;
  }
  if (focused == nullptr) {
    if ((action.shift & shift::kAlt) != 0 && IsLetterOrDigit(code)) PressAccessKey(form, nullptr, code);
    return;
  }
  focused->RaiseKeyDown(code, action.shift);
  // The handler may have moved the focus or closed the form.
  if (!focused->HasFocus() || !Reachable(form, *focused)) return;
  if ((action.shift & shift::kAlt) != 0) {
    // An access key nobody has does nothing (Windows would beep).
    if (IsLetterOrDigit(code)) PressAccessKey(form, focused, code);
    return;
  }
  if (auto* box = dynamic_cast<TextBox*>(focused)) {
    box->TypeKey(code, action.shift);
    return;
  }
  if (code == key::kSpace) {
    const ControlKind kind = focused->Kind();
    if (kind == ControlKind::kCommandButton || kind == ControlKind::kCheckBox ||
        kind == ControlKind::kOptionButton) {
      ClickAsPerson(*focused);
    }
    return;
  }
  if (IsArrow(code)) PressArrow(form, *focused, code);
}

}  // namespace verbsmith::forms

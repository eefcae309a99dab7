#include "forms/user_actions.h"

#include <charconv>
#include <cstdio>

#include "base/vb_error.h"
#include "forms/form.h"
#include "forms/key_codes.h"
#include "forms/keyboard.h"
#include "forms/name_match.h"

namespace verbsmith::forms {

namespace {

// Lines a notch of the wheel scrolls, as Windows sets it by default.
constexpr int kWheelLines = 3;

std::string Describe(const UserAction& action) {
  switch (action.kind) {
    case ActionKind::kType:
      return "type " + action.control;
    case ActionKind::kClick:
      return "click " + action.control;
    case ActionKind::kCheck:
      return (action.index.value_or(1) != 0 ? "check " : "uncheck ") + action.control;
    case ActionKind::kChoose:
      return "choose " + action.control + " " +
             (action.index ? std::to_string(*action.index) : "\"" + action.text + "\"");
    case ActionKind::kKey:
      return "key " + action.control + " " + KeyName(action.keyCode);
    case ActionKind::kLeave:
      return "leave " + action.control;
    case ActionKind::kClose:
      return "close";
    case ActionKind::kWheel:
      return "wheel " + action.control;
    case ActionKind::kResize:
      return "resize " + action.text;
  }
  return "action";
}

int CheckValue(const UserAction& action) {
  return action.index.value_or(1) != 0 ? check::kChecked : check::kUnchecked;
}

ActionOutcome Refuse(Form& form, const UserAction& action, const std::string& reason) {
  form.Tell(event::ActionRefused{Describe(action), reason});
  return ActionOutcome::kRefused;
}

void CheckKindTakesAction(const Control& control, const UserAction& action) {
  const ControlKind kind = control.Kind();
  const auto refuseKind = [&] {
    throw ActionError(Describe(action) + ": a " + std::string(ControlKindName(kind)) +
                      " does not take this action");
  };
  switch (action.kind) {
    case ActionKind::kType:
      if (kind == ControlKind::kComboBox) {
        if (!static_cast<const ComboBox&>(control).IsEditable()) {
          throw ActionError(Describe(action) + ": " + control.Name() +
                            " is a drop-down list; choose an entry instead");
        }
      } else if (kind != ControlKind::kTextBox) {
        refuseKind();
      }
      break;
    case ActionKind::kChoose:
      if (kind != ControlKind::kComboBox && kind != ControlKind::kListBox &&
          kind != ControlKind::kDriveListBox && kind != ControlKind::kDirListBox &&
          kind != ControlKind::kVScrollBar) {
        refuseKind();
      }
      break;
    case ActionKind::kLeave:
      if (!control.IsFocusable()) refuseKind();
      break;
    case ActionKind::kCheck:
      if (kind != ControlKind::kCheckBox) refuseKind();
      break;
    case ActionKind::kKey:  // a control that takes no keys passes them to its form
    case ActionKind::kClick:
    case ActionKind::kClose:
    case ActionKind::kWheel:
    case ActionKind::kResize:
      break;
  }
}

// The entry an action names: its index, else the exact text, else the text
// with case ignored; -1 when there is none.
int EntryIndex(const ListControl& list, const UserAction& action) {
  if (action.index) return *action.index >= 0 && *action.index < list.ListCount() ? *action.index : -1;
  if (const int exact = list.FindItem(action.text); exact >= 0) return exact;
  for (int i = 0; i < list.ListCount(); ++i) {
    if (SameName(list.List(i), action.text)) return i;
  }
  return -1;
}

ActionOutcome Choose(Form& form, Control& control, const UserAction& action) {
  if (auto* list = dynamic_cast<ListControl*>(&control)) {
    if (auto* combo = dynamic_cast<ComboBox*>(list)) {
      combo->RaiseDropDown();
      if (!Reachable(form, control)) return Refuse(form, action, "no longer available after DropDown");
    }
    const int index = EntryIndex(*list, action);
    if (index < 0) {
      return Refuse(form, action, "no such entry among " + std::to_string(list->ListCount()));
    }
    // A person's click on an entry always clicks, even on the selected one.
    if (index == list->ListIndex()) {
      list->RaiseClick();
    } else {
      list->SetListIndex(index);
    }
    return ActionOutcome::kDone;
  }
  if (auto* drive = dynamic_cast<DriveListBox*>(&control)) {
    if (action.text.empty()) return Refuse(form, action, "no drive named");
    drive->SetDrive(action.text);
    return ActionOutcome::kDone;
  }
  if (auto* dir = dynamic_cast<DirListBox*>(&control)) {
    if (dir->pathCheck) {
      try {
        dir->pathCheck(action.text);
      } catch (const VbError& error) {
        return Refuse(form, action, error.Description());
      }
    }
    dir->SetPath(action.text);
    return ActionOutcome::kDone;
  }
  auto& bar = static_cast<VScrollBar&>(control);
  int value = 0;
  if (action.index) {
    value = *action.index;
  } else {
    const auto [end, error] =
        std::from_chars(action.text.data(), action.text.data() + action.text.size(), value);
    if (error != std::errc() || end != action.text.data() + action.text.size()) {
      return Refuse(form, action, "not a number");
    }
  }
  if (value < std::min(bar.Min(), bar.Max()) || value > std::max(bar.Min(), bar.Max())) {
    return Refuse(form, action, "outside the scroll range");
  }
  bar.RaiseScroll();
  bar.SetValue(value);
  return ActionOutcome::kDone;
}

// The wheel goes to the first control, from this one out through its
// containers, that handles it; a scroll bar scrolls by itself.
void Wheel(Control& control, int notches) {
  for (Control* c = &control; c != nullptr; c = c->Container()) {
    if (c->onMouseWheel) return c->onMouseWheel(notches);
    if (auto* bar = dynamic_cast<VScrollBar*>(c))
      return bar->ScrollBy(notches * kWheelLines * bar->SmallChange());
  }
}

}  // namespace

bool Reachable(const Form& form, const Control& control) {
  return form.IsLoaded() && form.Visible() && form.Enabled() && control.IsEffectivelyVisible() &&
         control.IsEffectivelyEnabled();
}

void ClickAsPerson(Control& control) {
  if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    check->Toggle();
  } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
    option->SetValue(true);
  } else {
    control.RaiseClick();
  }
}

ActionOutcome PerformUserAction(Form& form, const UserAction& action) {
  if (action.kind == ActionKind::kClose) {
    form.Unload();
    return ActionOutcome::kDone;
  }
  if (action.kind == ActionKind::kResize) {
    if (!form.Sizable()) return Refuse(form, action, "a window of fixed size");
    int width = 0, height = 0;
    if (std::sscanf(action.text.c_str(), "%d %d", &width, &height) != 2) {
      throw ActionError(Describe(action) + ": needs a width and a height");
    }
    form.ResizeByPerson(width, height);
    return ActionOutcome::kDone;
  }
  Control* control = form.FindControl(action.control);
  if (control == nullptr) {
    for (Form* other : form.Runtime().Forms()) {
      if (other != &form && other->IsLoaded() && other->Visible() && other->FindControl(action.control)) {
        return Refuse(form, action, other->Name() + " is behind " + form.Name());
      }
    }
    throw ActionError(Describe(action) + ": " + form.Name() + " has no control named \"" + action.control +
                      "\"");
  }
  CheckKindTakesAction(*control, action);
  // A box that already holds the value asks nothing of the person.
  if (action.kind == ActionKind::kCheck && static_cast<CheckBox*>(control)->Value() == CheckValue(action))
    return ActionOutcome::kDone;
  if (!control->IsEffectivelyVisible()) return Refuse(form, action, std::string(event::kHidden));
  if (action.kind == ActionKind::kWheel) {
    // The wheel turns over disabled controls too; it does not move the focus.
    Wheel(*control, action.index.value_or(0));
    return ActionOutcome::kDone;
  }
  if (!Reachable(form, *control)) return Refuse(form, action, "disabled");
  if (action.kind == ActionKind::kType && control->Kind() == ControlKind::kTextBox &&
      static_cast<TextBox*>(control)->Locked()) {
    return Refuse(form, action, "locked");
  }
  if (action.kind == ActionKind::kKey && !control->IsFocusable()) {
    // A key pressed over a label or frame goes to the form, the focus
    // staying where it is.
    PressKey(form, form.ActiveControl(), action);
    return ActionOutcome::kDone;
  }

  // The focus moves first, so the control left behind hears LostFocus; its
  // handler may keep the focus (a validation putting it back).
  if (control->IsFocusable()) {
    form.MoveFocus(control);
    if (!control->HasFocus() || !Reachable(form, *control)) {
      const Control* holder = form.ActiveControl();
      form.Tell(event::ActionDropped{Describe(action), holder ? holder->Name() : std::string()});
      return ActionOutcome::kDropped;
    }
  }

  switch (action.kind) {
    case ActionKind::kType:
      if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        combo->SetText(action.text);
      } else {
        static_cast<TextBox*>(control)->SetText(action.text);
      }
      return ActionOutcome::kDone;
    case ActionKind::kClick:
      ClickAsPerson(*control);
      return ActionOutcome::kDone;
    case ActionKind::kCheck:
      // Clicked until it holds the value: a grayed box cleared takes two clicks.
      static_cast<CheckBox*>(control)->SetValue(CheckValue(action));
      return ActionOutcome::kDone;
    case ActionKind::kChoose:
      return Choose(form, *control, action);
    case ActionKind::kKey:
      PressKey(form, control, action);
      return ActionOutcome::kDone;
    case ActionKind::kLeave:
      form.TabTo(form.NextInTabOrder(control));
      return ActionOutcome::kDone;
    case ActionKind::kClose:
    case ActionKind::kWheel:
    case ActionKind::kResize:
      break;
  }
  return ActionOutcome::kDone;
}

}  // namespace verbsmith::forms

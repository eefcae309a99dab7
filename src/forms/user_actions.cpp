#include "forms/user_actions.h"

#include <charconv>

#include "base/vb_error.h"
#include "forms/form.h"
#include "forms/key_codes.h"
#include "forms/name_match.h"

namespace verbsmith::forms {

namespace {

std::string Describe(const UserAction& action) {
  switch (action.kind) {
    case ActionKind::kType:
      return "type " + action.control;
    case ActionKind::kClick:
      return "click " + action.control;
    case ActionKind::kChoose:
      return "choose " + action.control + " " +
             (action.index ? std::to_string(*action.index) : "\"" + action.text + "\"");
    case ActionKind::kKey:
      return "key " + action.control + " " + KeyName(action.keyCode);
    case ActionKind::kLeave:
      return "leave " + action.control;
    case ActionKind::kClose:
      return "close";
  }
  return "action";
}

ActionOutcome Refuse(Form& form, const UserAction& action, const std::string& reason) {
  form.Report("refused: " + Describe(action) + " (" + reason + ")");
  return ActionOutcome::kRefused;
}

// Whether a person could reach the control right now.
bool Reachable(const Form& form, const Control& control) {
  return form.IsLoaded() && form.Visible() && form.Enabled() && control.IsEffectivelyVisible() &&
         control.IsEffectivelyEnabled();
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
    case ActionKind::kKey:
    case ActionKind::kLeave:
      if (!control.IsFocusable()) refuseKind();
      break;
    case ActionKind::kClick:
    case ActionKind::kClose:
      break;
  }
}

// A click as the mouse gives it: check boxes toggle, option buttons select.
void Click(Control& control) {
  if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    check->Toggle();
  } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
    option->SetValue(true);
  } else {
    control.RaiseClick();
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

bool Usable(const Form& form, const CommandButton* button) {
  return button != nullptr && Reachable(form, *button);
}

void PressKey(Form& form, Control& control, const UserAction& action) {
  switch (action.keyCode) {
    case key::kReturn:
      // The dialog manager turns Enter into a click of the focused button,
      // else of the default button; the control sees no KeyDown then.
      if (control.Kind() == ControlKind::kCommandButton) {
        control.RaiseClick();
      } else if (Usable(form, form.DefaultButton())) {
        form.DefaultButton()->RaiseClick();
      } else {
        control.RaiseKeyDown(action.keyCode, action.shift);
      }
      return;
    case key::kEscape:
      if (Usable(form, form.CancelButton())) {
        form.CancelButton()->RaiseClick();
      } else {
        control.RaiseKeyDown(action.keyCode, action.shift);
      }
      return;
    case key::kTab:
      form.MoveFocus(form.NextInTabOrder(&control));
      return;
    case key::kSpace:
      control.RaiseKeyDown(action.keyCode, action.shift);
      if (control.Kind() == ControlKind::kCommandButton || control.Kind() == ControlKind::kCheckBox ||
          control.Kind() == ControlKind::kOptionButton) {
        if (Reachable(form, control) && control.HasFocus()) Click(control);
      }
      return;
    default:
      control.RaiseKeyDown(action.keyCode, action.shift);
  }
}

}  // namespace

ActionOutcome PerformUserAction(Form& form, const UserAction& action) {
  if (action.kind == ActionKind::kClose) {
    form.Unload();
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
  if (!control->IsEffectivelyVisible()) return Refuse(form, action, "hidden");
  if (!Reachable(form, *control)) return Refuse(form, action, "disabled");
  if (action.kind == ActionKind::kType && control->Kind() == ControlKind::kTextBox &&
      static_cast<TextBox*>(control)->Locked()) {
    return Refuse(form, action, "locked");
  }

  // The focus moves first, so the control left behind hears LostFocus; its
  // handler may keep the focus (a validation putting it back).
  if (control->IsFocusable()) {
    form.MoveFocus(control);
    if (!control->HasFocus() || !Reachable(form, *control)) {
      const Control* holder = form.ActiveControl();
      form.Report("dropped: " + Describe(action) + " (focus stayed on " +
                  (holder ? holder->Name() : std::string("nothing")) + ")");
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
      Click(*control);
      return ActionOutcome::kDone;
    case ActionKind::kChoose:
      return Choose(form, *control, action);
    case ActionKind::kKey:
      PressKey(form, *control, action);
      return ActionOutcome::kDone;
    case ActionKind::kLeave:
      form.MoveFocus(form.NextInTabOrder(control));
      return ActionOutcome::kDone;
    case ActionKind::kClose:
      break;
  }
  return ActionOutcome::kDone;
}

}  // namespace verbsmith::forms

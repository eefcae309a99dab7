#include "forms/control.h"

#include "base/vb_error.h"
#include "forms/form.h"

namespace verbsmith::forms {

std::string_view ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kFrame:
      return "frame";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kTextBox:
      return "text box";
    case ControlKind::kCheckBox:
      return "check box";
    case ControlKind::kOptionButton:
      return "option button";
    case ControlKind::kComboBox:
      return "combo box";
    case ControlKind::kListBox:
      return "list box";
    case ControlKind::kCommandButton:
      return "command button";
    case ControlKind::kPictureBox:
      return "picture box";
    case ControlKind::kImageList:
      return "image list";
    case ControlKind::kDriveListBox:
      return "drive list";
    case ControlKind::kDirListBox:
      return "directory list";
    case ControlKind::kVScrollBar:
      return "vertical scroll bar";
  }
  return "control";
}

Control::Control(Form& form, std::string name, ControlKind kind, Control* container)
    : form_(form), name_(std::move(name)), kind_(kind), container_(container) {}

void Control::SetVisible(bool visible) {
  const bool appears = visible && !visible_;
  visible_ = visible;
  // The wizard's steps are frames on the form: one appearing is a step entered.
  if (appears && kind_ == ControlKind::kFrame && container_ == nullptr && form_.Visible()) {
    form_.Tell(event::FrameShown{name_});
  }
}

bool Control::IsEffectivelyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->enabled_) return false;
  }
  return true;
}

bool Control::IsEffectivelyVisible() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
  }
  return true;
}

bool Control::IsFocusable() const {
  switch (kind_) {
    case ControlKind::kTextBox:
    case ControlKind::kCheckBox:
    case ControlKind::kOptionButton:
    case ControlKind::kComboBox:
    case ControlKind::kListBox:
    case ControlKind::kCommandButton:
    case ControlKind::kDriveListBox:
    case ControlKind::kDirListBox:
    case ControlKind::kVScrollBar:
      return true;
    default:
      return false;
  }
}

bool Control::HasFocus() const {
  return form_.ActiveControl() == this;
}

void Control::SetFocus() {
  if (!IsFocusable() || !IsEffectivelyVisible() || !IsEffectivelyEnabled() || !form_.Enabled()) {
    throw VbError::Standard(vberr::kInvalidProcedureCall, form_.Name());
  }
  form_.MoveFocus(this);
}

void Control::RaiseClick() {
  Raise(onClick);
}

void Control::RaiseKeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(keyCode, shift);
}

void Control::RaiseGotFocus() {
  Raise(onGotFocus);
}

void Control::RaiseLostFocus() {
  Raise(onLostFocus);
}

bool CommandButton::Default() const {
  return Parent().DefaultButton() == this;
}

void CommandButton::SetDefault(bool isDefault) {
  if (isDefault) {
    Parent().SetDefaultButton(this);
  } else if (Default()) {
    Parent().SetDefaultButton(nullptr);
  }
}

bool CommandButton::Cancel() const {
  return Parent().CancelButton() == this;
}

void CommandButton::SetCancel(bool isCancel) {
  if (isCancel) {
    Parent().SetCancelButton(this);
  } else if (Cancel()) {
    Parent().SetCancelButton(nullptr);
  }
}

const std::string& ImageList::Image(int index) const {
  if (index < 1 || index > ImageCount())
    throw VbError(vberr::kIndexOutOfBounds, Name(), "Index out of bounds");
  return images_[static_cast<size_t>(index - 1)];
}

}  // namespace verbsmith::forms

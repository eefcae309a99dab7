#pragma once
// The base of every control on a form: name, container, the properties all
// kinds share, focus, and the events all kinds share.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace verbsmith::forms {

class Form;

enum class ControlKind {
  kFrame,
  kLabel,
  kTextBox,
  kCheckBox,
  kOptionButton,
  kComboBox,
  kListBox,
  kCommandButton,
  kPictureBox,
  kImageList,
  kDriveListBox,
  kDirListBox,
  kVScrollBar,
};

std::string_view ControlKindName(ControlKind kind);

class Control {
 public:
  Control(Form& form, std::string name, ControlKind kind, Control* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  // The form the control sits on (Visual Basic's Parent).
  Form& Parent() const { return form_; }
  // The frame or picture box holding the control; nullptr when it sits
  // directly on the form.
  Control* Container() const { return container_; }
  bool IsContainer() const { return kind_ == ControlKind::kFrame || kind_ == ControlKind::kPictureBox; }

  // Caption of labels, frames, buttons, check boxes and option buttons.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Position and size in twips, relative to the container.
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t left) { left_ = left; }
  void SetTop(int32_t top) { top_ = top; }
  void SetWidth(int32_t width) { width_ = width; }
  void SetHeight(int32_t height) { height_ = height; }
  void Move(int32_t left, int32_t top) { left_ = left, top_ = top; }
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }

  int32_t HelpContextID() const { return helpContextId_; }
  void SetHelpContextID(int32_t id) { helpContextId_ = id; }
  // Creation order unless set; the Tab key follows it.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  const std::string& FontName() const { return fontName_; }
  void SetFontName(std::string fontName) { fontName_ = std::move(fontName); }
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // Enabled, and every container up to the form enabled (the form itself
  // not included).
  bool IsEffectivelyEnabled() const;
  // Visible, and every container up to the form visible (the form itself
  // not included).
  bool IsEffectivelyVisible() const;
  // Whether this kind of control can hold the focus at all.
  bool IsFocusable() const;
  bool HasFocus() const;
  // Visual Basic's SetFocus: raises error 5 when the control cannot take the
  // focus (a label, or disabled or hidden itself or through a container).
  void SetFocus();

  // Events shared by every kind. KeyDown may change the key code it is given.
  std::function<void()> onClick;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  // The mouse wheel turned over the control, in notches (positive: down).
  // A control without a handler passes it to its container.
  std::function<void(int notches)> onMouseWheel;

  // Raise an event as Visual Basic does when the user or the code causes it;
  // an event without a handler does nothing.
  void RaiseClick();
  void RaiseKeyDown(int keyCode, int shift);
  void RaiseGotFocus();
  void RaiseLostFocus();

 protected:
  static void Raise(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  Form& form_;
  std::string name_;
  ControlKind kind_;
  Control* container_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int32_t helpContextId_ = 0;
  int tabIndex_ = 0;
  bool tabStop_ = true;
  std::string fontName_ = "MS Sans Serif";
  std::string tag_;
};

}  // namespace verbsmith::forms

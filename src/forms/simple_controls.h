#pragma once
// Controls without behaviour of their own beyond the shared one: labels,
// frames, command buttons, picture boxes and image lists.

#include <string>
#include <vector>

#include "forms/control.h"

namespace verbsmith::forms {

class Label : public Control {
 public:
  Label(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kLabel, container) {}
};

// A frame holds other controls; option buttons inside one frame form a
// group. A frame placed directly on the form is reported when it becomes
// visible, because the wizard's steps are such frames.
class Frame : public Control {
 public:
  Frame(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kFrame, container) {}
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kCommandButton, container) {}

  // The default button is clicked by Enter; one per form, so making one the
  // default takes the role from the previous one.
  bool Default() const;
  void SetDefault(bool isDefault);
  // The cancel button is clicked by Escape; one per form as well.
  bool Cancel() const;
  void SetCancel(bool isCancel);
  // Setting Value to True in code clicks the button.
  void SetValue(bool value) {
    if (value) RaiseClick();
  }
};

// A picture box shows one picture (identified by a text: a key or a path)
// and may hold other controls.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kPictureBox, container) {
    SetTabStop(false);
  }
  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { picture_ = std::move(picture); }
  // Clears what was drawn.
  void Cls() { picture_.clear(); }
  bool AutoRedraw() const { return autoRedraw_; }
  void SetAutoRedraw(bool autoRedraw) { autoRedraw_ = autoRedraw; }

 private:
  std::string picture_;
  bool autoRedraw_ = false;
};

// A list of pictures (keys or paths) that is never shown itself.
class ImageList : public Control {
 public:
  ImageList(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kImageList, container) {
    SetVisible(false);
    SetTabStop(false);
  }
  void AddImage(std::string picture) { images_.push_back(std::move(picture)); }
  int ImageCount() const { return static_cast<int>(images_.size()); }
  // Visual Basic's ListImages(index): the first image is 1. Raises error 35600
  // ("Index out of bounds") for any other index.
  const std::string& Image(int index) const;

 private:
  std::vector<std::string> images_;
};

}  // namespace verbsmith::forms

#pragma once
// The drive list and directory list. They hold the drive and the path the
// code or the user set; listing the disk is left to whoever draws them.
// Changing either fires Change.

#include <functional>
#include <string>

#include "forms/control.h"

namespace verbsmith::forms {

class DriveListBox : public Control {
 public:
  DriveListBox(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kDriveListBox, container) {}

  // The drive as "z:" (lower case, with its colon).
  const std::string& Drive() const { return drive_; }
  // Takes the drive letter from the start of the text ("Z:\tmp" gives "z:").
  // A text that does not start with a letter raises error 68 (device
  // unavailable).
  void SetDrive(const std::string& drive);

  std::function<void()> onChange;

 private:
  std::string drive_ = "c:";
};

class DirListBox : public Control {
 public:
  DirListBox(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kDirListBox, container) {}

  // The directory shown, without a trailing backslash except for a drive
  // root ("C:\").
  const std::string& Path() const { return path_; }
  // When set, a path is checked before it is shown: the check raises the
  // error to report (Visual Basic raises 76, path not found).
  std::function<void(const std::string& path)> pathCheck;
  void SetPath(const std::string& path);

  std::function<void()> onChange;

 private:
  std::string path_ = "C:\\";
};

class VScrollBar : public Control {
 public:
  VScrollBar(Form& form, std::string name, Control* container)
      : Control(form, std::move(name), ControlKind::kVScrollBar, container) {}

  int Value() const { return value_; }
  // Values outside Min .. Max raise error 380 (invalid property value).
  void SetValue(int value);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int min) { min_ = min; }
  void SetMax(int max) { max_ = max; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void SetSmallChange(int change) { smallChange_ = change; }
  void SetLargeChange(int change) { largeChange_ = change; }
  // Moves the value by this much, stopping at Min and Max.
  void ScrollBy(int delta);

  // Scroll fires while the user drags the thumb; Change when the value has
  // changed.
  std::function<void()> onScroll;
  std::function<void()> onChange;
  void RaiseScroll() { Raise(onScroll); }

 private:
  int value_ = 0;
  int min_ = 0;
  int max_ = 32767;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

}  // namespace verbsmith::forms

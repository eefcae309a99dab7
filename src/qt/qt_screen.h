#pragma once
// The Screen port on the desktop: the primary screen's size and resolution,
// and the rectangles of the windows the view shows.

#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/screen.h"
#include "qt/twips_scale.h"

namespace verbsmith::qt {

class QtScreen : public Screen {
 public:
  int32_t WidthTwips() override;
  int32_t HeightTwips() override;
  double TwipsPerPixelX() override { return ScreenScale().twipsPerPixelX; }
  double TwipsPerPixelY() override { return ScreenScale().twipsPerPixelY; }
  PixelRect WindowRect(int64_t handle) override;

  // The view tells which window stands for a form's handle.
  void TrackWindow(int64_t handle, QWidget* window) { windows_[handle] = window; }

 private:
  std::map<int64_t, QPointer<QWidget>> windows_;
};

}  // namespace verbsmith::qt

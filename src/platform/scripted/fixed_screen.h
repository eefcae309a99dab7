#pragma once
// A screen of a configured size, with window rectangles set by hand: the
// Screen port for tests and headless runs.

#include <cstdint>
#include <map>

#include "platform/screen.h"

namespace verbsmith {

class FixedScreen : public Screen {
 public:
  // 1024 x 768 pixels at 15 twips per pixel, the usual small-fonts screen.
  FixedScreen() = default;
  FixedScreen(int32_t widthPixels, int32_t heightPixels, double twipsPerPixelX = 15,
              double twipsPerPixelY = 15);

  int32_t WidthTwips() override;
  int32_t HeightTwips() override;
  double TwipsPerPixelX() override { return twipsPerPixelX_; }
  double TwipsPerPixelY() override { return twipsPerPixelY_; }
  PixelRect WindowRect(int64_t handle) override;

  // Gives the window with this handle a rectangle (pixels).
  void SetWindowRect(int64_t handle, PixelRect rect) { windows_[handle] = rect; }

 private:
  int32_t widthPixels_ = 1024;
  int32_t heightPixels_ = 768;
  double twipsPerPixelX_ = 15;
  double twipsPerPixelY_ = 15;
  std::map<int64_t, PixelRect> windows_;
};

}  // namespace verbsmith

#pragma once
// Screen metrics and window rectangles, for placing forms.

#include <cstdint>

namespace verbsmith {

struct PixelRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual int32_t WidthTwips() = 0;
  virtual int32_t HeightTwips() = 0;
  virtual double TwipsPerPixelX() = 0;
  virtual double TwipsPerPixelY() = 0;
  // The window's rectangle in pixels; all zero when there is no such window.
  virtual PixelRect WindowRect(int64_t handle) = 0;
};

}  // namespace verbsmith

#include "platform/scripted/fixed_screen.h"

#include <cmath>

namespace verbsmith {

FixedScreen::FixedScreen(int32_t widthPixels, int32_t heightPixels, double twipsPerPixelX,
                         double twipsPerPixelY)
    : widthPixels_(widthPixels),
      heightPixels_(heightPixels),
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY) {}

int32_t FixedScreen::WidthTwips() {
  return static_cast<int32_t>(std::lround(widthPixels_ * twipsPerPixelX_));
}

int32_t FixedScreen::HeightTwips() {
  return static_cast<int32_t>(std::lround(heightPixels_ * twipsPerPixelY_));
}

PixelRect FixedScreen::WindowRect(int64_t handle) {
  auto it = windows_.find(handle);
  return it == windows_.end() ? PixelRect{} : it->second;
}

}  // namespace verbsmith

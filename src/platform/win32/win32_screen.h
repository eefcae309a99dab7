#pragma once
// Screen metrics on Windows: twips per pixel from the display's DPI, as
// Visual Basic's Screen object has them.

#include "platform/screen.h"

namespace verbsmith {

class Win32Screen final : public Screen {
 public:
  int32_t WidthTwips() override;
  int32_t HeightTwips() override;
  double TwipsPerPixelX() override;
  double TwipsPerPixelY() override;
  PixelRect WindowRect(int64_t handle) override;
};

}  // namespace verbsmith

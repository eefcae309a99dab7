#include "forms/center_form.h"

#include <cfenv>
#include <cmath>

namespace verbsmith::forms {

int32_t CLng(double value) {
  // nearbyint follows the rounding mode, which is to-nearest-even unless
  // someone changed it; say so explicitly rather than rely on it.
  const int previous = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(previous);
  return static_cast<int32_t>(rounded);
}

namespace {

// Keeps [start, start + size) on [0, limit). A form larger than the screen
// keeps its left or top edge (with the title bar) on the screen.
int32_t KeepOnScreen(int32_t start, int32_t size, int32_t limit) {
  if (start < 0) return 0;
  if (start + size > limit) start = limit - size;
  return start < 0 ? 0 : start;
}

}  // namespace

void CenterForm(Screen& screen, int64_t handle, Form& form) {
  const int32_t screenWidth = screen.WidthTwips();
  const int32_t screenHeight = screen.HeightTwips();
  double x = CLng(screenWidth / 2.0);
  double y = CLng(screenHeight / 2.0);
  if (handle != 0) {
    const PixelRect rect = screen.WindowRect(handle);
    if (rect.left != 0 || rect.top != 0 || rect.right != 0 || rect.bottom != 0) {
      const double p = CLng(screen.TwipsPerPixelX());
      const double q = CLng(screen.TwipsPerPixelY());
      x = (rect.left * p + rect.right * p) / 2;
      y = (rect.top * q + rect.bottom * q) / 2;
    }
  }
  const int32_t left = CLng(x - form.Width() / 2.0);
  const int32_t top = CLng(y - form.Height() / 2.0);
  form.Move(KeepOnScreen(left, form.Width(), screenWidth), KeepOnScreen(top, form.Height(), screenHeight));
}

}  // namespace verbsmith::forms

#pragma once
// Twips to pixels at the screen's real resolution: 1440 twips are one
// logical inch.

#include <QRect>
#include <cmath>
#include <cstdint>

namespace verbsmith::qt {

struct TwipsScale {
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;

  int X(int32_t twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelX)); }
  int Y(int32_t twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelY)); }
  int32_t TwipsX(int pixels) const { return static_cast<int32_t>(std::lround(pixels * twipsPerPixelX)); }
  int32_t TwipsY(int pixels) const { return static_cast<int32_t>(std::lround(pixels * twipsPerPixelY)); }
  QRect Rect(int32_t left, int32_t top, int32_t width, int32_t height) const {
    return QRect(X(left), Y(top), X(width), Y(height));
  }
};

// The scale of the primary screen (15 twips per pixel at 96 dots per inch).
TwipsScale ScreenScale();

}  // namespace verbsmith::qt

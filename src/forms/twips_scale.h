#pragma once
// Twips to pixels at a screen's resolution: 1440 twips are one logical
// inch, so 15 twips a pixel at 96 dots per inch.

#include <cmath>
#include <cstdint>

namespace verbsmith::forms {

struct TwipsScale {
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;

  int X(int32_t twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelX)); }
  int Y(int32_t twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelY)); }
  int32_t TwipsX(int pixels) const { return static_cast<int32_t>(std::lround(pixels * twipsPerPixelX)); }
  int32_t TwipsY(int pixels) const { return static_cast<int32_t>(std::lround(pixels * twipsPerPixelY)); }
};

}  // namespace verbsmith::forms

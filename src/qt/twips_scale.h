#pragma once
// Twips to pixels at the screen's real resolution, and a control's
// rectangle in Qt's terms.

#include <QRect>

#include "forms/twips_scale.h"

namespace verbsmith::qt {

struct TwipsScale : forms::TwipsScale {
  QRect Rect(int32_t left, int32_t top, int32_t width, int32_t height) const {
    return QRect(X(left), Y(top), X(width), Y(height));
  }
};

// The scale of the primary screen (15 twips per pixel at 96 dots per inch).
TwipsScale ScreenScale();

}  // namespace verbsmith::qt

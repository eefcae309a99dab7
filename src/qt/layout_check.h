#pragma once
// Checks a window's layout as a person would see it: no two visible
// controls side by side in one container overlap (by more than the pixel
// that rounding twips may give), none sticks out of its
// container (but for what a picture box scrolls), and every caption fits
// its control in the control's font.

#include <string>
#include <vector>

#include "qt/form_window.h"

namespace verbsmith::qt {

// One line per fault, naming the controls, e.g. "lblHeading: text needs
// 214 x 19 pixels, has 200 x 19"; empty when the layout is sound.
std::vector<std::string> LayoutFaults(const FormWindow& window);

}  // namespace verbsmith::qt

#pragma once
// A form's window as a person sees it: its layout faults, measured as the
// Qt window's are (no two visible controls in one container overlap by more
// than a rounding pixel, none sticks out of its container but for what a
// picture box scrolls, every caption fits in the control's font), and a PNG
// picture of it.

#include <string>
#include <vector>

#include "win32view/form_window.h"

namespace verbsmith::win32view {

std::vector<std::string> LayoutFaults(const FormWindow& window);
// The window's client area as the screen shows it; false when it could not
// be written.
bool SavePicture(HWND window, const std::wstring& file);

}  // namespace verbsmith::win32view

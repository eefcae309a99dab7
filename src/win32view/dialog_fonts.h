#pragma once
// The fonts of the wizard's windows: the system's message font, the one
// Windows draws its dialogs in, and a bold serif for the step headings.

#include <string>

#include "platform/win32/windows_api.h"

namespace verbsmith::win32view {

// Made once; they live as long as the process.
HFONT FontFor(const std::string& fontName);

}  // namespace verbsmith::win32view

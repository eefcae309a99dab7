#pragma once
// A key pressed in a window as Visual Basic's KeyDown gives it. Windows'
// virtual-key codes are Visual Basic's key codes (vbKeyF1 = VK_F1 = 112).

#include <optional>

#include "platform/win32/windows_api.h"

namespace verbsmith::win32view {

struct VbKey {
  int keyCode = 0;
  int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
};

// From a WM_KEYDOWN or WM_SYSKEYDOWN; nullopt for keys the runtime has no
// use for (modifiers alone, Home, media keys).
std::optional<VbKey> TranslateKey(UINT message, WPARAM virtualKey, LPARAM flags);

}  // namespace verbsmith::win32view

#include "win32view/win32_keys.h"

#include "forms/key_codes.h"

namespace verbsmith::win32view {

namespace {

bool IsRuntimeKey(WPARAM code) {
  namespace key = forms::key;
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return true;
  if (code >= static_cast<WPARAM>(key::kF1) && code <= static_cast<WPARAM>(key::kF12)) return true;
  switch (static_cast<int>(code)) {
    case key::kReturn:
    case key::kEscape:
    case key::kTab:
    case key::kSpace:
    case key::kBack:
    case key::kDelete:
    case key::kLeft:
    case key::kUp:
    case key::kRight:
    case key::kDown:
      return true;
    default:
      return false;
  }
}

// Bit 29 of a key message: Alt was down.
constexpr LPARAM kAltDown = LPARAM{1} << 29;

}  // namespace

std::optional<VbKey> TranslateKey(UINT message, WPARAM virtualKey, LPARAM flags) {
  if (!IsRuntimeKey(virtualKey)) return std::nullopt;
  VbKey key{static_cast<int>(virtualKey), 0};
  if (GetKeyState(VK_SHIFT) < 0) key.shift |= forms::shift::kShift;
  if (GetKeyState(VK_CONTROL) < 0) key.shift |= forms::shift::kCtrl;
  if (message == WM_SYSKEYDOWN && (flags & kAltDown) != 0) key.shift |= forms::shift::kAlt;
  return key;
}

}  // namespace verbsmith::win32view

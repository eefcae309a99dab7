#pragma once
// A key pressed in a widget as Visual Basic's KeyDown gives it: the key code
// (vbKeyF1 = 112) and the shift state (1 Shift, 2 Ctrl, 4 Alt).

#include <QKeyEvent>
#include <optional>

namespace verbsmith::qt {

struct VbKey {
  int keyCode = 0;
  int shift = 0;
};

// nullopt for keys KeyDown has no code for (modifiers alone, media keys).
std::optional<VbKey> TranslateKey(const QKeyEvent& event);

}  // namespace verbsmith::qt

#include "qt/vb_keys.h"

#include "forms/key_codes.h"

namespace verbsmith::qt {

namespace {

std::optional<int> KeyCode(int qtKey) {
  namespace key = forms::key;
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return qtKey;  // Qt's codes for letters and digits are their ASCII codes, as Visual Basic's
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return key::kF1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return key::kReturn;
    case Qt::Key_Escape:
      return key::kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return key::kTab;
    case Qt::Key_Space:
      return key::kSpace;
    case Qt::Key_Backspace:
      return key::kBack;
    case Qt::Key_Delete:
      return key::kDelete;
    case Qt::Key_Left:
      return key::kLeft;
    case Qt::Key_Up:
      return key::kUp;
    case Qt::Key_Right:
      return key::kRight;
    case Qt::Key_Down:
      return key::kDown;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<VbKey> TranslateKey(const QKeyEvent& event) {
  const std::optional<int> code = KeyCode(event.key());
  if (!code) return std::nullopt;
  VbKey key{*code, 0};
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::ShiftModifier || event.key() == Qt::Key_Backtab) key.shift |= forms::shift::kShift;
  if (modifiers & Qt::ControlModifier) key.shift |= forms::shift::kCtrl;
  if (modifiers & Qt::AltModifier) key.shift |= forms::shift::kAlt;
  return key;
}

}  // namespace verbsmith::qt

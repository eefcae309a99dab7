#pragma once
// Key codes as Visual Basic's KeyDown event gives them (vbKeyF1 = 112).

#include <optional>
#include <string>
#include <string_view>

namespace verbsmith::forms {

namespace key {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;
inline constexpr int kF12 = 123;
}  // namespace key

namespace shift {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace shift

// "F1", "Enter", "Escape", "Tab", "A", "7", "112" ... (case ignored).
std::optional<int> KeyCodeFromName(std::string_view name);
// "F1" for 112, "Enter" for 13, the letter or digit itself, otherwise the number.
std::string KeyName(int keyCode);

}  // namespace verbsmith::forms

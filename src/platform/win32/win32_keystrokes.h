#pragma once
// Visual Basic's SendKeys text as key presses: "+", "^" and "%" hold Shift,
// Ctrl and Alt for the next key or for a group in parentheses ("%(FV)" is
// Alt+F, Alt+V), "~" is Enter, and braces name a key ({ENTER}, {TAB},
// {ESC}, {F1} to {F12}) or a character that is otherwise special ({%}).
// Letters, digits and the space stand for their own keys.

#include <string>
#include <vector>

namespace verbsmith {

struct KeyStroke {
  unsigned short virtualKey = 0;
  bool up = false;
  bool operator==(const KeyStroke&) const = default;
};

// Throws VbError 5 (invalid procedure call) for a text it cannot read.
std::vector<KeyStroke> KeyStrokesFor(const std::string& keys);

// Sends the key presses to the active window.
void SendKeyStrokes(const std::vector<KeyStroke>& strokes);

}  // namespace verbsmith

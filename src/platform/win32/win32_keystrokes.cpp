#include "platform/win32/win32_keystrokes.h"

#include <cctype>
#include <map>

#include "base/vb_error.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

[[noreturn]] void Unreadable() {
  throw VbError::Standard(vberr::kInvalidProcedureCall);
}

unsigned short KeyOf(char c) {
  if (std::isalnum(static_cast<unsigned char>(c)) != 0)
    return static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(c)));
  if (c == ' ') return VK_SPACE;
  if (c == '~') return VK_RETURN;
  Unreadable();
}

unsigned short NamedKey(const std::string& name) {
  static const std::map<std::string, unsigned short> kNames = {
      {"ENTER", VK_RETURN}, {"TAB", VK_TAB}, {"ESC", VK_ESCAPE}, {"BACKSPACE", VK_BACK},
      {"+", VK_OEM_PLUS},   {"%", '5'},      {"^", '6'},         {"~", VK_OEM_3}};
  if (const auto found = kNames.find(name); found != kNames.end()) return found->second;
  if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1])) != 0) {
    const int number = std::stoi(name.substr(1));
    if (number >= 1 && number <= 12) return static_cast<unsigned short>(VK_F1 + number - 1);
  }
  Unreadable();
}

void Press(std::vector<KeyStroke>& strokes, unsigned short key) {
  strokes.push_back({key, false});
  strokes.push_back({key, true});
}

}  // namespace

std::vector<KeyStroke> KeyStrokesFor(const std::string& keys) {
  std::vector<KeyStroke> strokes;
  std::vector<unsigned short> held;
  bool inGroup = false;
  auto release = [&] {
    for (auto it = held.rbegin(); it != held.rend(); ++it) strokes.push_back({*it, true});
    held.clear();
  };
  for (size_t i = 0; i < keys.size(); ++i) {
    const char c = keys[i];
    if (c == '+' || c == '^' || c == '%') {
      const unsigned short modifier = c == '+' ? VK_SHIFT : c == '^' ? VK_CONTROL : VK_MENU;
      held.push_back(modifier);
      strokes.push_back({modifier, false});
      continue;
    }
    if (c == '(') {
      if (inGroup) Unreadable();
      inGroup = true;
      continue;
    }
    if (c == ')') {
      if (!inGroup) Unreadable();
      inGroup = false;
      release();
      continue;
    }
    if (c == '{') {
      // "{}}" names the closing brace itself.
      const size_t end = keys.find('}', i + 2);
      if (end == std::string::npos) Unreadable();
      Press(strokes, NamedKey(keys.substr(i + 1, end - i - 1)));
      i = end;
    } else {
      Press(strokes, KeyOf(c));
    }
    if (!inGroup) release();
  }
  if (inGroup || !held.empty()) Unreadable();
  return strokes;
}

void SendKeyStrokes(const std::vector<KeyStroke>& strokes) {
  std::vector<INPUT> inputs;
  for (const KeyStroke& stroke : strokes) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = stroke.virtualKey;
    input.ki.dwFlags = stroke.up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  }
  if (inputs.empty()) return;
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    throw VbError::Standard(vberr::kInvalidProcedureCall);
}

}  // namespace verbsmith

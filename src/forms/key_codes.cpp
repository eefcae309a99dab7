#include "forms/key_codes.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "base/strings.h"

namespace verbsmith::forms {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 13> kNamedKeys{{
    {"Enter", key::kReturn},
    {"Return", key::kReturn},
    {"Escape", key::kEscape},
    {"Esc", key::kEscape},
    {"Tab", key::kTab},
    {"Space", key::kSpace},
    {"Backspace", key::kBack},
    {"Delete", key::kDelete},
    {"Del", key::kDelete},
    {"Left", key::kLeft},
    {"Up", key::kUp},
    {"Right", key::kRight},
    {"Down", key::kDown},
}};

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> KeyCodeFromName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const auto& [keyName, code] : kNamedKeys) {
    if (EqualsIgnoringCase(name, keyName)) return code;
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    if (const auto n = Number(name.substr(1)); n && *n >= 1 && *n <= 12) return key::kF1 + *n - 1;
  }
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return std::toupper(static_cast<unsigned char>(name[0]));
  }
  if (const auto n = Number(name); n && *n > 0 && *n < 256) return *n;
  return std::nullopt;
}

std::string KeyName(int keyCode) {
  if (keyCode >= key::kF1 && keyCode <= key::kF12) return "F" + std::to_string(keyCode - key::kF1 + 1);
  for (const auto& [keyName, code] : kNamedKeys) {
    if (code == keyCode) return std::string(keyName);
  }
  if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
    return std::string(1, static_cast<char>(keyCode));
  return std::to_string(keyCode);
}

}  // namespace verbsmith::forms

#pragma once
// The rule every name the product builds files, ProgIDs and resource names
// from must pass: ASCII letters and digits only, not starting with a digit,
// not empty. Visual Basic, COM and the resource compilers all accept such
// names, and a ProgID made of two of them splits back at its one period.

#include <string_view>

namespace verbsmith {

constexpr bool IsIdentifier(std::string_view name) {
  if (name.empty() || (name.front() >= '0' && name.front() <= '9')) return false;
  for (char c : name) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !digit) return false;
  }
  return true;
}

// A ProgID the product writes: two identifiers joined by one period.
constexpr bool IsProgIdOfIdentifiers(std::string_view progId) {
  const auto dot = progId.find('.');
  return dot != std::string_view::npos && IsIdentifier(progId.substr(0, dot)) &&
         IsIdentifier(progId.substr(dot + 1));
}

}  // namespace verbsmith

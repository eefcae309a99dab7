#pragma once
// Trimming and ASCII case-blind comparison, as every parser and name lookup
// of the product does them.

#include <string>
#include <string_view>

namespace verbsmith {

// Spaces and tabs: the blanks of source, profile, registry and script lines.
inline constexpr std::string_view kBlanks = " \t";

std::string_view TrimLeft(std::string_view text, std::string_view blanks = kBlanks);
std::string_view TrimRight(std::string_view text, std::string_view blanks = kBlanks);
std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks);

// Upper-case hexadecimal digits of the value, without leading zeros ("1F").
std::string UpperHex(unsigned long value);

char AsciiUpper(char c);
std::string AsciiUpper(std::string text);
// Compare with ASCII letters folded; other bytes compare as they are.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Orders as if ASCII letters were lower case.
bool LessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace verbsmith

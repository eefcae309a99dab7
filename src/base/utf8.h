#pragma once
// The UTF-8 coding every in-memory text uses, one code point at a time.

#include <cstddef>
#include <string>
#include <string_view>

namespace verbsmith {

// Appends the UTF-8 form of a code point (up to U+10FFFF).
void AppendUtf8(char32_t cp, std::string& out);

// Reads one well-formed UTF-8 sequence at text[pos]: its length, or 0 when
// the bytes there are not one (truncated, overlong, a surrogate, too large).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);

// Walks text: visit(cp) for each well-formed sequence, stray(byte) for each
// byte that starts none.
template <typename Visit, typename Stray>
void ForEachCodePoint(std::string_view text, Visit visit, Stray stray) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(text, pos, cp);
    if (length == 0) {
      stray(static_cast<unsigned char>(text[pos++]));
    } else {
      visit(cp);
      pos += length;
    }
  }
}

// The offset of the first byte that does not start a well-formed sequence,
// or npos when the whole text is well-formed.
std::size_t FindInvalidUtf8(std::string_view text);

}  // namespace verbsmith

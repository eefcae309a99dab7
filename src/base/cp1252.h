#pragma once
// Windows-1252, the code page of every text file the product reads and
// writes, against the UTF-8 the product holds in memory.

#include <string>
#include <string_view>

namespace verbsmith {

// Decodes Windows-1252 bytes. Every byte value has a character (the five
// bytes the code page leaves undefined become the C1 controls of the same
// value), so encoding the result gives back the same bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 text. A character the code page cannot hold, and every byte
// of a malformed UTF-8 sequence, is written as '?'.
std::string Utf8ToCp1252(std::string_view text);

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char byte);

}  // namespace verbsmith

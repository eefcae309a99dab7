#include "base/cp1252.h"

#include <array>
#include <cstdint>

#include "base/utf8.h"

namespace verbsmith {

namespace {

// 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kUnmappable = '?';

// The byte for a code point, or 0 with found false.
bool EncodeCodePoint(char32_t cp, char& byte) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    byte = static_cast<char>(cp);
    return true;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

// The length of the run of ASCII at the start of text, which both
// encodings share and which is copied as it stands: long files are mostly
// such runs.
std::size_t AsciiRun(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80) ++n;
  return n;
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  while (!bytes.empty()) {
    const std::size_t run = AsciiRun(bytes);
    out.append(bytes.substr(0, run));
    if (run == bytes.size()) break;
    AppendUtf8(Cp1252ToCodePoint(static_cast<unsigned char>(bytes[run])), out);
    bytes.remove_prefix(run + 1);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t run = AsciiRun(text);
    out.append(text.substr(0, run));
    text.remove_prefix(run);
    if (text.empty()) break;
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(text, 0, cp);
    char byte = 0;
    // A stray byte is one character that cannot be written.
    out += length != 0 && EncodeCodePoint(cp, byte) ? byte : kUnmappable;
    text.remove_prefix(length == 0 ? 1 : length);
  }
  return out;
}

}  // namespace verbsmith

#include "platform/wildcard.h"

#include <cstddef>

#include "base/utf8.h"

namespace verbsmith {

namespace {

// Bytes that do not form valid UTF-8 still need a distinct value each; they
// go to the low surrogates, which no valid sequence produces.
constexpr char32_t kStrayByteBase = 0xDC00;

char32_t FoldCodePoint(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // Latin-1, except the multiplication sign
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

std::u32string Decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  ForEachCodePoint(
      text, [&out](char32_t cp) { out += cp; }, [&out](unsigned char byte) { out += kStrayByteBase + byte; });
  return out;
}

// Classic glob matching with a single backtrack point for the last '*'.
bool Glob(std::u32string_view pattern, std::u32string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starP = std::u32string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == U'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (starP != std::u32string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

}  // namespace

std::u32string FoldCase(std::string_view name) {
  std::u32string folded = Decode(name);
  for (char32_t& c : folded) c = FoldCodePoint(c);
  return folded;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return FoldCase(a) == FoldCase(b);
}

bool HasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  const std::u32string p = FoldCase(pattern);
  const std::u32string n = FoldCase(name);
  std::u32string_view pv = p;
  if (pv.size() >= 2 && pv.ends_with(U".*")) {
    return Glob(pv, n) || Glob(pv.substr(0, pv.size() - 2), n);
  }
  if (!pv.empty() && pv.back() == U'.') {
    while (!pv.empty() && pv.back() == U'.') pv.remove_suffix(1);
    return n.find(U'.') == std::u32string::npos && Glob(pv, n);
  }
  return Glob(pv, n);
}

}  // namespace verbsmith

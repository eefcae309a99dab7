#include "base/escape_controls.h"

#include <cstdio>

namespace verbsmith {

namespace {

// Appends the escape of a control character: \n, \r and \t by name, any
// other as \xHH.
void AppendControlEscape(unsigned char c, std::string& out) {
  if (c == '\n') {
    out += "\\n";
  } else if (c == '\r') {
    out += "\\r";
  } else if (c == '\t') {
    out += "\\t";
  } else {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
    out += buffer;
  }
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string EscapeControls(std::string_view value, bool keepLineFeeds) {
  std::string out;
  out.reserve(value.size());
  for (const char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsControl(c) && !(keepLineFeeds && c == '\n')) {
      AppendControlEscape(c, out);
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace verbsmith

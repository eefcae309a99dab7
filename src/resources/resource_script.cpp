#include "resources/resource_script.h"

namespace verbsmith {

namespace {

constexpr const char* kLineEnd = "\r\n";

constexpr const char* kHeader[] = {
    "//", "// Resource definition file for default Command toolbar bitmap.",
    "//", "//////////////////////////////////////////////////////////////////////////////",
    "//", "// Bitmap",
    "//",
};

}  // namespace

std::string ResourceScriptText(const std::string& projectName, const std::string& className,
                               const std::vector<ScriptBitmap>& bitmaps,
                               const std::function<std::string(const std::string&)>& pathText,
                               ScriptHeader header) {
  std::string text;
  for (const char* line : kHeader) {
    if (header == ScriptHeader::kNone) break;
    text += line;
    text += kLineEnd;
  }
  for (const ScriptBitmap& bitmap : bitmaps) {
    text +=
        projectName + "." + className + "." + bitmap.code + " BITMAP DISCARDABLE   " + pathText(bitmap.path);
    text += kLineEnd;
  }
  return text;
}

std::string ScriptPathText(const std::string& path) {
  if (path.find(' ') == std::string::npos) return path;
  return QuotedScriptPath(path);
}

std::string QuotedScriptPath(const std::string& path) {
  std::string text = "\"";
  for (char c : path) {
    if (c == '"') text += '"';
    text += c;
  }
  text += '"';
  return text;
}

}  // namespace verbsmith

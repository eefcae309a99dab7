#pragma once
// The resource script that names the command's toolbar bitmaps.

#include <functional>
#include <string>
#include <vector>

namespace verbsmith {

struct ScriptBitmap {
  std::string code;  // LC, LM, SC or SM
  std::string path;  // location and file name joined
};

// Whether the script starts with its comment header: the kept script does;
// the copy for a host compiler does not, so that a compiler run without a
// preprocessor (which is what removes comments) reads it too.
enum class ScriptHeader { kComments, kNone };

// The script text, every line ended by CR LF: the header, then one BITMAP
// line per bitmap, in the order given. pathText turns a bitmap path into the
// text written after the keyword.
std::string ResourceScriptText(const std::string& projectName, const std::string& className,
                               const std::vector<ScriptBitmap>& bitmaps,
                               const std::function<std::string(const std::string&)>& pathText,
                               ScriptHeader header = ScriptHeader::kComments);

// A path as the kept script holds it: as it stands, in double quotes only
// when it has a blank (a compiler would end the file name there).
std::string ScriptPathText(const std::string& path);

// A path always in double quotes, inner quotes doubled.
std::string QuotedScriptPath(const std::string& path);

}  // namespace verbsmith

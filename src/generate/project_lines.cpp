#include "generate/project_lines.h"

#include "generate/line_buffer.h"

namespace verbsmith {

namespace {

std::string Quoted(const std::string& value) {
  return "\"" + value + "\"";
}

}  // namespace

bool SetFirstLineContaining(LineBuffer& lines, std::string_view search, std::string replacement) {
  for (std::size_t i = 0; i <= lines.UpperBound(); ++i) {
    if (lines[i].find(search) != std::string::npos) {
      lines[i] = std::move(replacement);
      return true;
    }
  }
  return false;
}

void SetResFileLine(LineBuffer& lines, const std::string& r) {
  constexpr std::string_view kKey = "ResFile32=";
  std::string line = r.empty() ? std::string() : std::string(kKey) + r;
  if (SetFirstLineContaining(lines, kKey, line)) return;
  if (!r.empty()) lines.InsertFirst(std::move(line));
}

void SetProjectLines(LineBuffer& lines, const ProjectLineValues& values) {
  SetFirstLineContaining(lines, "Description", "Description=" + values.description);
  SetFirstLineContaining(
      lines, "Form=", values.formFilename.empty() ? std::string() : "Form=" + values.formFilename);
  SetFirstLineContaining(lines, "Class=", "Class=" + values.classname + ";" + values.classFilename);
  SetFirstLineContaining(lines, "Module=", "Module=" + values.moduleName + ";" + values.moduleFilename);
  SetFirstLineContaining(lines, "Name=", "Name=" + Quoted(values.projectName));
  SetFirstLineContaining(lines,
                         "ExeName32=", "ExeName32=" + Quoted(values.binPath + values.classname + ".dll"));
}

}  // namespace verbsmith

#include "generate/project_lines.h"

#include "generate/line_buffer.h"

namespace verbsmith {

namespace {

std::string Quoted(const std::string& value) {
  return "\"" + value + "\"";
}

}  // namespace

bool SetFirstLineStartingWith(LineBuffer& lines, std::string_view key, std::string replacement) {
  for (std::size_t i = 0; i <= lines.UpperBound(); ++i) {
    const std::string& line = lines[i];
    const std::size_t start = line.find_first_not_of(" \t");
    if (start != std::string::npos && line.compare(start, key.size(), key) == 0) {
      lines[i] = std::move(replacement);
      return true;
    }
  }
  return false;
}

void SetResFileLine(LineBuffer& lines, const std::string& r) {
  constexpr std::string_view kKey = "ResFile32=";
  std::string line = r.empty() ? std::string() : std::string(kKey) + r;
  if (SetFirstLineStartingWith(lines, kKey, line)) return;
  if (!r.empty()) lines.InsertFirst(std::move(line));
}

void SetProjectLines(LineBuffer& lines, const ProjectLineValues& values) {
  SetFirstLineStartingWith(lines, "Description", "Description=" + values.description);
  if (!values.keepFormLine) {
    SetFirstLineStartingWith(
        lines, "Form=", values.formFilename.empty() ? std::string() : "Form=" + values.formFilename);
  }
  SetFirstLineStartingWith(lines, "Class=", "Class=" + values.classname + ";" + values.classFilename);
  if (!values.keepModuleLine) {
    SetFirstLineStartingWith(lines, "Module=", "Module=" + values.moduleName + ";" + values.moduleFilename);
  }
  SetFirstLineStartingWith(lines, "Name=", "Name=" + Quoted(values.projectName));
  SetFirstLineStartingWith(lines,
                           "ExeName32=", "ExeName32=" + Quoted(values.binPath + values.classname + ".dll"));
}

}  // namespace verbsmith

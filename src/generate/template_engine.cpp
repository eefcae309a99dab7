#include "generate/template_engine.h"

#include <vector>

#include "generate/line_buffer.h"
#include "generate/project_lines.h"

namespace verbsmith {

namespace {

bool Contains(const std::string& line, std::string_view text) {
  return line.find(text) != std::string::npos;
}

}  // namespace

void ApplyWizardBlock(LineBuffer& lines, std::string_view name) {
  // selected[d] tells whether the block open at depth d is being switched
  // on. It grows with the nesting instead of stopping at a fixed depth, so
  // a deeply nested template is treated like a shallow one.
  std::vector<bool> selected(1, false);
  bool active = false;
  std::size_t depth = 0;
  for (std::size_t i = 0; i <= lines.UpperBound(); ++i) {
    std::string& line = lines[i];
    if (!active && Contains(line, name)) {
      active = true;
      depth = 0;
    }
    if (!active) continue;
    if (Contains(line, kWizardStart)) {
      ++depth;
      if (selected.size() <= depth) selected.resize(depth + 1, false);
      selected[depth] = Contains(line, name);
    } else if (Contains(line, kWizardEnd)) {
      if (depth > 1) {
        --depth;
      } else {
        active = false;
      }
    } else if (depth >= 1 && selected[depth]) {
      std::size_t apostrophe = line.find('\'');
      if (apostrophe != std::string::npos) line.erase(apostrophe, 1);
    }
  }
}

std::string VbQuoted(std::string_view value) {
  std::string quoted = "\"";
  for (char c : value) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  quoted += '"';
  return quoted;
}

void SetVBName(LineBuffer& lines, std::string_view name) {
  SetFirstLineStartingWith(lines, "Attribute VB_Name", "Attribute VB_Name = " + VbQuoted(name));
}

void SetVBDescription(LineBuffer& lines, std::string_view description, std::string_view toolTip) {
  std::string value(description);
  value += "\\\\n";
  value += toolTip;
  SetFirstLineStartingWith(lines, "Attribute VB_Description",
                           "Attribute VB_Description = " + VbQuoted(value));
}

void ReplaceMainFormName(LineBuffer& lines, std::string_view formName) {
  constexpr std::string_view kMainForm = "frmMainForm";
  for (std::size_t i = 0; i <= lines.UpperBound(); ++i) {
    std::string& line = lines[i];
    std::size_t at = line.find(kMainForm);
    if (at != std::string::npos) line.replace(at, kMainForm.size(), formName);
  }
}

void SetFormBegin(LineBuffer& lines, std::string_view formName) {
  SetFirstLineStartingWith(lines, "Begin VB.Form", "Begin VB.Form " + std::string(formName));
}

void SetFormCaption(LineBuffer& lines, std::string_view caption) {
  SetFirstLineStartingWith(lines, "Caption", "   Caption         =   " + VbQuoted(caption));
}

}  // namespace verbsmith

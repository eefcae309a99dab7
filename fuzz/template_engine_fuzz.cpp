// Runs the template editors over arbitrary text: every block name of the
// class, and the attribute, form and project-line rewrites.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "generate/class_blocks.h"
#include "generate/line_buffer.h"
#include "generate/project_lines.h"
#include "generate/template_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  LineBuffer lines;
  lines.Assign(SplitTextLines(text));
  for (std::string_view name : kClassBlockNames) ApplyWizardBlock(lines, name);
  SetVBName(lines, "Cmd");
  SetVBDescription(lines, "desc \"q\"", "tip");
  ReplaceMainFormName(lines, "frmCmd");
  SetFormBegin(lines, "frmCmd");
  SetFormCaption(lines, "tip");
  SetProjectLines(lines, ProjectLineValues{"Command:  tip", "frmCmd.frm", "Cmd", "Cmd.cls", "Cmd1",
                                           "Cmd1.bas", "Proj", "C:\\p\\bin\\", size % 2 == 0, size % 3 == 0});
  SetResFileLine(lines, size % 5 == 0 ? "" : "C:\\p\\src\\Cmd.res");
  (void)lines.Text();
  return 0;
}

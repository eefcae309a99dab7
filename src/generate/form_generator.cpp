// The command form file: read, named and captioned, its map-view event
// control removed when the command does not listen, written back.

#include "base/strings.h"
#include "base/texts.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/template_engine.h"

namespace verbsmith {

namespace {

constexpr FileMessages kFormFile{.readOpen = 146, .writeOpen = 144, .close = 145};
constexpr std::string_view kEventControl = "EventControl";

}  // namespace

void FormMgrClass::ReadForm() {
  lines_.Read(host_, CompleteFilename(), kFormFile);
}

void FormMgrClass::WriteForm() {
  lines_.Write(host_, CompleteFilename(), kFormFile);
}

void FormMgrClass::ModifyForm() {
  if (genMgr_ == nullptr || classMgr_ == nullptr) throw ObjectNotSet(text::kFormMgrSource);
  if (!genMgr_->IsMapViewListener()) DeleteOCX(std::string(kEventControl), CompleteFilename());
  SetVBName(lines_, formName_);
  SetFormBegin(lines_, formName_);
  SetFormCaption(lines_, classMgr_->CommandToolTip());
}

void FormMgrClass::DeleteOCX(const std::string& name, const std::string& /*file*/) {
  // The control's lines are emptied, not removed, so the file keeps its
  // line count.
  bool found = false;
  for (std::size_t i = 0; i <= lines_.UpperBound(); ++i) {
    std::string& line = lines_[i];
    if (!found && line.find(name) != std::string::npos) found = true;
    if (!found) continue;
    const bool last = Trim(line, " ") == "End";
    line.clear();
    if (last) return;
  }
}

}  // namespace verbsmith

// A new project's sources: the templates copied into the source directory,
// and the check that the project's four names are distinct.

#include <algorithm>
#include <functional>
#include <optional>

#include "base/messages.h"
#include "base/strings.h"
#include "base/texts.h"
#include "generate/manager_errors.h"
#include "model/general_mgr_class.h"

namespace verbsmith {

namespace {

constexpr int kCopyFailedMessage = 165;
constexpr int kAttributesFailedMessage = 166;

}  // namespace

StageOutcome GeneralMgrClass::CopyTemplate() {
  StageOutcome outcome;
  const std::string templates = host_.templateDirectory;
  completeProjFilename_ = currentPathSrc_ + projectFilename_;

  struct Copy {
    const char* templateName;
    std::function<std::string()> destination;
  };
  std::vector<Copy> copies = {
      {"CarthexCommand.vbp", [this] { return completeProjFilename_; }},
      {"TemplateCmdSvr.cls", [this] { return classMgr_ ? classMgr_->CompleteFilename() : std::string(); }},
      {"MainModule.bas", [this] { return moduleMgr_ ? moduleMgr_->CompleteFilename() : std::string(); }},
  };
  if (!formNotRequired_) {
    copies.push_back(
        {"MainForm.frm", [this] { return formMgr_ ? formMgr_->CompleteFilename() : std::string(); }});
  }

  for (const Copy& copy : copies) {
    // A manager that cannot name the destination leaves nothing to copy to.
    const std::string destination = copy.destination();
    if (destination.empty()) continue;
    try {
      host_.fs.CopyWorkingFile(templates + copy.templateName, destination);
    } catch (const VbError&) {
      outcome.messages.push_back(kCopyFailedMessage);
      outcome.failed = true;
    }
    // Installed templates may be read-only; the generators rewrite the copies.
    try {
      host_.fs.SetAttributes(destination, attr::kNormal);
    } catch (const VbError&) {
      outcome.messages.push_back(kAttributesFailedMessage);
    }
  }
  return outcome;
}

void GeneralMgrClass::NamesUnique(bool& unique) {
  if (classMgr_ == nullptr || moduleMgr_ == nullptr || formMgr_ == nullptr) {
    throw ObjectNotSet(text::kGeneralMgrSource);
  }
  const std::string form = AsciiUpper(formMgr_->FormName());
  const std::string cls = AsciiUpper(classMgr_->Classname());
  const std::string module = AsciiUpper(moduleMgr_->ModuleName());
  const std::string project = AsciiUpper(projectName_);
  unique = !(cls == form || project == form || module == form || cls == project || module == project ||
             module == cls);
}

}  // namespace verbsmith

#include "generate/class_mgr_class.h"

#include <utility>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/manager_errors.h"
#include "generate/vs_main.h"

namespace verbsmith {

ClassMgrClass::ClassMgrClass(Host& host, LineBuffer& lines) : host_(host), lines_(lines) {}

void ClassMgrClass::InitializeObjects(IConnection* owner) {
  const std::string_view source = text::kClassMgrSource;
  if (owner == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoConnection);
  if ((genMgr_ = owner->GenMgr()) == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoGenMgr);
  if ((formMgr_ = owner->FormMgr()) == nullptr)
    return RecordManagerError(host_.err, source, mgrerr::kNoFormMgr);
  try {
    SetClassname("CommandClass");
  } catch (const VbError& e) {
    host_.err.Set(e);
    ReportError(host_, e.Description());
  }
}

void ClassMgrClass::SetClassname(std::string value) {
  if (genMgr_ == nullptr) throw ObjectNotSet(text::kClassMgrSource);
  classname_ = std::move(value);
  classFilename_ = classname_ + ".cls";
}

std::string ClassMgrClass::CompleteFilename() const {
  return genMgr_ == nullptr || classFilename_.empty() ? std::string()
                                                      : genMgr_->CurrentPathSrc() + classFilename_;
}

}  // namespace verbsmith

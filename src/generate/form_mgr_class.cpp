#include "generate/form_mgr_class.h"

#include <utility>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/manager_errors.h"

namespace verbsmith {

FormMgrClass::FormMgrClass(Host& host, LineBuffer& lines) : host_(host), lines_(lines) {}

void FormMgrClass::InitializeObjects(IConnection* owner) {
  const std::string_view source = text::kFormMgrSource;
  if (owner == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoConnection);
  if ((genMgr_ = owner->GenMgr()) == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoGenMgr);
  if ((classMgr_ = owner->ClassMgr()) == nullptr)
    return RecordManagerError(host_.err, source, mgrerr::kNoClassMgr);
}

void FormMgrClass::SetFormName(std::string value) {
  if (genMgr_ == nullptr) throw ObjectNotSet(text::kFormMgrSource);
  formName_ = std::move(value);
  formFilename_ = formName_.empty() ? std::string() : formName_ + ".frm";
}

void FormMgrClass::SetFormPosition(int16_t value) {
  if (value >= 0 && value <= 3) {
    formPosition_ = value;
    return;
  }
  // Recorded, not raised: the caller goes on with the position it had.
  host_.err.Set(vberr::kInvalidFormPosition, std::string(text::kFormMgrSource), LoadResString(142));
}

std::string FormMgrClass::CompleteFilename() const {
  return genMgr_ == nullptr || formFilename_.empty() ? std::string()
                                                     : genMgr_->CurrentPathSrc() + formFilename_;
}

}  // namespace verbsmith

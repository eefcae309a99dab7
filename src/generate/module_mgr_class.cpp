#include "generate/module_mgr_class.h"

#include <utility>

#include "base/texts.h"
#include "generate/manager_errors.h"
#include "generate/vs_main.h"

namespace verbsmith {

namespace {

// Component names are compared as the environment compares them: ignoring
// case. UTF-8 letters of the Latin-1 range fold too, as Windows-1252 would.
std::string UpperCase(const std::string& text) {
  std::string upper = text;
  for (size_t i = 0; i < upper.size(); ++i) {
    const auto c = static_cast<unsigned char>(upper[i]);
    if (c >= 'a' && c <= 'z') {
      upper[i] = static_cast<char>(c - 'a' + 'A');
    } else if (c == 0xC3 && i + 1 < upper.size()) {
      const auto next = static_cast<unsigned char>(upper[i + 1]);
      if (next >= 0xA0 && next <= 0xBE && next != 0xB7) upper[i + 1] = static_cast<char>(next - 0x20);
      ++i;
    }
  }
  return upper;
}

}  // namespace

ModuleMgrClass::ModuleMgrClass(Host& host, LineBuffer& lines) : host_(host), lines_(lines) {}

void ModuleMgrClass::InitializeObjects(IConnection* owner) {
  const std::string_view source = text::kModuleMgrSource;
  if (owner == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoConnection);
  if ((classMgr_ = owner->ClassMgr()) == nullptr)
    return RecordManagerError(host_.err, source, mgrerr::kNoClassMgr);
  if ((genMgr_ = owner->GenMgr()) == nullptr) return RecordManagerError(host_.err, source, mgrerr::kNoGenMgr);
  if ((formMgr_ = owner->FormMgr()) == nullptr)
    return RecordManagerError(host_.err, source, mgrerr::kNoFormMgr);
  try {
    SetModuleName(classMgr_->Classname());
  } catch (const VbError& e) {
    host_.err.Set(e);
    ReportError(host_, e.Description());
  }
}

void ModuleMgrClass::SetModuleName(std::string value) {
  if (classMgr_ == nullptr || genMgr_ == nullptr) throw ObjectNotSet(text::kModuleMgrSource);
  moduleName_ = std::move(value);
  // The environment refuses two components of one name in a project.
  if (UpperCase(moduleName_) == UpperCase(classMgr_->Classname())) moduleName_ += "1";
  moduleFilename_ = moduleName_ + ".bas";
}

std::string ModuleMgrClass::CompleteFilename() const {
  return genMgr_ == nullptr || moduleFilename_.empty() ? std::string()
                                                       : genMgr_->CurrentPathSrc() + moduleFilename_;
}

}  // namespace verbsmith

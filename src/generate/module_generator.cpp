// The main module file: read, named, written back.

#include "base/texts.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/module_mgr_class.h"
#include "generate/template_engine.h"

namespace verbsmith {

namespace {

constexpr int kReadOpenMessage = 181;
constexpr int kWriteOpenMessage = 168;
constexpr int kCloseMessage = 169;
constexpr int32_t kCreatePurpose = 0;

}  // namespace

void ModuleMgrClass::ReadModule() {
  lines_.Read(host_, completeFilename_, kReadOpenMessage, kCloseMessage);
}

void ModuleMgrClass::WriteModule() {
  lines_.Write(host_, completeFilename_, kWriteOpenMessage, kCloseMessage);
}

void ModuleMgrClass::ModifyModule() {
  if (genMgr_ == nullptr) throw ObjectNotSet(text::kModuleMgrSource);
  if (genMgr_->WizardPurpose() == kCreatePurpose) SetVBName(lines_, moduleName_);
}

}  // namespace verbsmith

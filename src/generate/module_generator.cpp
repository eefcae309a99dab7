// The main module file: read, named, written back.

#include "base/texts.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/module_mgr_class.h"
#include "generate/template_engine.h"

namespace verbsmith {

namespace {

constexpr FileMessages kModuleFile{.readOpen = 181, .writeOpen = 168, .close = 169};

}  // namespace

void ModuleMgrClass::ReadModule() {
  lines_.Read(host_, CompleteFilename(), kModuleFile);
}

void ModuleMgrClass::WriteModule() {
  lines_.Write(host_, CompleteFilename(), kModuleFile);
}

void ModuleMgrClass::ModifyModule() {
  if (genMgr_ == nullptr) throw ObjectNotSet(text::kModuleMgrSource);
  if (genMgr_->WizardPurpose() == purpose::kCreate) SetVBName(lines_, moduleName_);
}

}  // namespace verbsmith

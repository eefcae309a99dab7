// The command class file: read, rewritten from the command specification,
// written back.

#include "base/texts.h"
#include "generate/class_blocks.h"
#include "generate/class_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/template_engine.h"

namespace verbsmith {

namespace {

constexpr FileMessages kClassFile{.readOpen = 140, .writeOpen = 138, .close = 139};

}  // namespace

void ClassMgrClass::ReadClass() {
  lines_.Read(host_, CompleteFilename(), kClassFile);
}

void ClassMgrClass::WriteClass() {
  lines_.Write(host_, CompleteFilename(), kClassFile);
}

void ClassMgrClass::ModifyClass() {
  if (genMgr_ == nullptr || formMgr_ == nullptr) throw ObjectNotSet(text::kClassMgrSource);
  SetVBDescription(lines_, commandDesc_, commandToolTip_);
  // An existing command keeps its class as it is, description aside.
  if (genMgr_->WizardPurpose() != purpose::kCreate) return;
  SetVBName(lines_, classname_);
  ReplaceMainFormName(lines_, formMgr_->FormName());

  ClassBlockOptions options;
  options.commandIsModeless = genMgr_->CommandIsModeless();
  options.formNotRequired = genMgr_->FormNotRequired();
  if (!options.formNotRequired) options.formPosition = formMgr_->FormPosition();
  options.isMapViewListener = genMgr_->IsMapViewListener();
  options.commandsEnablingConditions = genMgr_->CommandsEnablingConditions();
  options.viewListener = genMgr_->ViewListener();
  for (std::string_view block : SelectedClassBlocks(options)) ApplyWizardBlock(lines_, block);
}

}  // namespace verbsmith

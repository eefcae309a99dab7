#include "managers/manager_set.h"

namespace verbsmith {

void ManagerSet::Renew() {
  genMgr_ = std::make_unique<GeneralMgrClass>(host_, lines_);
  bitmapMgr_ = std::make_unique<BitMapMgrClass>(host_, lines_);
  classMgr_ = std::make_unique<ClassMgrClass>(host_, lines_);
  moduleMgr_ = std::make_unique<ModuleMgrClass>(host_, lines_);
  formMgr_ = std::make_unique<FormMgrClass>(host_, lines_);

  // The class manager's default name must exist before the module manager
  // derives its own from it.
  genMgr_->InitializeObjects(this);
  classMgr_->InitializeObjects(this);
  formMgr_->InitializeObjects(this);
  bitmapMgr_->InitializeObjects(this);
  moduleMgr_->InitializeObjects(this);
}

void ManagerSet::Release() {
  genMgr_.reset();
  classMgr_.reset();
  moduleMgr_.reset();
  formMgr_.reset();
  bitmapMgr_.reset();
}

}  // namespace verbsmith

#pragma once
// The five managers of one wizard run and the line buffer their generators
// share, wired as the add-in connection object: each manager reaches the
// others, and the environment, through this set's members.

#include <memory>

#include "connection/connection.h"
#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "model/general_mgr_class.h"
#include "platform/host.h"
#include "resources/bitmap_mgr_class.h"

namespace verbsmith {

class ManagerSet : public IConnection {
 public:
  // Every member stays empty until Renew.
  explicit ManagerSet(Host& host) : host_(host) {}
  ManagerSet(const ManagerSet&) = delete;
  ManagerSet& operator=(const ManagerSet&) = delete;

  // Replaces the managers with fresh ones at their defaults and initialises
  // them with this set. The line buffer is kept.
  void Renew();
  // Releases the managers; their members are empty again.
  void Release();

  IGeneralMgr* GenMgr() const override { return genMgr_.get(); }
  IModuleMgr* ModuleMgr() const override { return moduleMgr_.get(); }
  IClassMgr* ClassMgr() const override { return classMgr_.get(); }
  IFormMgr* FormMgr() const override { return formMgr_.get(); }
  IBitmapMgr* BitmapMgr() const override { return bitmapMgr_.get(); }
  Ide* VBInst() const override { return vbInst_; }
  // The environment instance the managers receive at the next Renew.
  void SetVBInst(Ide* vbInst) { vbInst_ = vbInst; }

  // The managers as what they are; valid between Renew and Release.
  GeneralMgrClass& General() const { return *genMgr_; }
  ClassMgrClass& Class() const { return *classMgr_; }
  ModuleMgrClass& Module() const { return *moduleMgr_; }
  FormMgrClass& Form() const { return *formMgr_; }
  BitMapMgrClass& Bitmap() const { return *bitmapMgr_; }
  LineBuffer& Lines() { return lines_; }

 private:
  Host& host_;
  // The module-level line buffer the generators share.
  LineBuffer lines_;
  std::unique_ptr<GeneralMgrClass> genMgr_;
  std::unique_ptr<ClassMgrClass> classMgr_;
  std::unique_ptr<ModuleMgrClass> moduleMgr_;
  std::unique_ptr<FormMgrClass> formMgr_;
  std::unique_ptr<BitMapMgrClass> bitmapMgr_;
  Ide* vbInst_ = nullptr;
};

}  // namespace verbsmith

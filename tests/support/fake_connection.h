#pragma once
// An add-in connection object whose members a test sets by hand, to hand to
// InitializeObjects with any of them missing.

#include "connection/connection.h"

namespace verbsmith::test {

struct FakeConnection : IConnection {
  IGeneralMgr* genMgr = nullptr;
  IModuleMgr* moduleMgr = nullptr;
  IClassMgr* classMgr = nullptr;
  IFormMgr* formMgr = nullptr;
  IBitmapMgr* bitmapMgr = nullptr;
  Ide* vbInst = nullptr;

  IGeneralMgr* GenMgr() const override { return genMgr; }
  IModuleMgr* ModuleMgr() const override { return moduleMgr; }
  IClassMgr* ClassMgr() const override { return classMgr; }
  IFormMgr* FormMgr() const override { return formMgr; }
  IBitmapMgr* BitmapMgr() const override { return bitmapMgr; }
  Ide* VBInst() const override { return vbInst; }
};

}  // namespace verbsmith::test

#pragma once
// ModuleMgrClass: the main module's name, and the generator of its file.

#include <string>

#include "connection/connection.h"
#include "platform/host.h"

namespace verbsmith {

class LineBuffer;

class ModuleMgrClass : public IModuleMgr {
 public:
  ModuleMgrClass(Host& host, LineBuffer& lines);

  // module_mgr_class.cpp
  void InitializeObjects(IConnection* owner) override;
  std::string ModuleName() const override { return moduleName_; }
  void SetModuleName(std::string value) override;
  std::string ModuleFilename() const override { return moduleFilename_; }
  void SetModuleFilename(std::string value) override { moduleFilename_ = std::move(value); }
  // The file under the project's source directory as it is now, so a
  // location changed after naming still holds every file.
  std::string CompleteFilename() const override;

  // module_generator.cpp
  void ReadModule() override;
  void ModifyModule() override;
  void WriteModule() override;

 private:
  Host& host_;
  LineBuffer& lines_;
  IClassMgr* classMgr_ = nullptr;
  IGeneralMgr* genMgr_ = nullptr;
  IFormMgr* formMgr_ = nullptr;
  std::string moduleName_, moduleFilename_;
};

}  // namespace verbsmith

#pragma once
// ClassMgrClass: the command class's name, description and tool tip, and
// the generator of the command class file.

#include <string>

#include "connection/connection.h"
#include "platform/host.h"

namespace verbsmith {

class LineBuffer;

class ClassMgrClass : public IClassMgr {
 public:
  ClassMgrClass(Host& host, LineBuffer& lines);

  // class_mgr_class.cpp
  void InitializeObjects(IConnection* owner) override;
  std::string Classname() const override { return classname_; }
  void SetClassname(std::string value) override;
  std::string ClassFilename() const override { return classFilename_; }
  void SetClassFilename(std::string value) override { classFilename_ = std::move(value); }
  // The file under the project's source directory as it is now, so a
  // location changed after naming still holds every file.
  std::string CompleteFilename() const override;
  std::string CommandDesc() const override { return commandDesc_; }
  void SetCommandDesc(std::string value) override { commandDesc_ = std::move(value); }
  std::string CommandToolTip() const override { return commandToolTip_; }
  void SetCommandToolTip(std::string value) override { commandToolTip_ = std::move(value); }

  // class_generator.cpp
  void ReadClass() override;
  void ModifyClass() override;
  void WriteClass() override;

 private:
  Host& host_;
  LineBuffer& lines_;
  IGeneralMgr* genMgr_ = nullptr;
  IFormMgr* formMgr_ = nullptr;
  std::string classname_, classFilename_;
  std::string commandDesc_, commandToolTip_;
};

}  // namespace verbsmith

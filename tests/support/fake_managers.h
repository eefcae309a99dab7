#pragma once
// Class and bitmap managers that only keep the values a test gives them, for
// the operations that read another manager's properties.

#include <cstdint>
#include <string>

#include "connection/connection.h"

namespace verbsmith::test {

class FakeClassMgr : public IClassMgr {
 public:
  void InitializeObjects(IConnection*) override {}
  std::string Classname() const override { return name; }
  void SetClassname(std::string value) override { name = std::move(value); }
  std::string ClassFilename() const override { return name + ".cls"; }
  void SetClassFilename(std::string) override {}
  std::string CompleteFilename() const override { return ""; }
  std::string CommandDesc() const override { return desc; }
  void SetCommandDesc(std::string value) override { desc = std::move(value); }
  std::string CommandToolTip() const override { return tip; }
  void SetCommandToolTip(std::string value) override { tip = std::move(value); }
  void ReadClass() override {}
  void ModifyClass() override {}
  void WriteClass() override {}

  std::string name = "CmdSvr";
  std::string desc = "Zooms to the selection";
  std::string tip = "Zoom to selection";
};

class FakeBitmapMgr : public IBitmapMgr {
 public:
  void InitializeObjects(IConnection*) override {}
  Ide* VBInst() const override { return nullptr; }
  void SetVBInst(Ide*) override {}
  int16_t ResourceType() const override { return 0; }
  void SetResourceType(int16_t) override {}
  std::string LCBMPFilename() const override { return lcFile; }
  void SetLCBMPFilename(std::string value) override { lcFile = std::move(value); }
  std::string LCBitmapLocation() const override { return lcLocation; }
  void SetLCBitmapLocation(std::string value) override { lcLocation = std::move(value); }
  std::string LMBMPFilename() const override { return lmFile; }
  void SetLMBMPFilename(std::string value) override { lmFile = std::move(value); }
  std::string LMBitmapLocation() const override { return lmLocation; }
  void SetLMBitmapLocation(std::string value) override { lmLocation = std::move(value); }
  std::string SCBMPFilename() const override { return scFile; }
  void SetSCBMPFilename(std::string value) override { scFile = std::move(value); }
  std::string SCBitmapLocation() const override { return scLocation; }
  void SetSCBitmapLocation(std::string value) override { scLocation = std::move(value); }
  std::string SMBMPFilename() const override { return smFile; }
  void SetSMBMPFilename(std::string value) override { smFile = std::move(value); }
  std::string SMBitmapLocation() const override { return smLocation; }
  void SetSMBitmapLocation(std::string value) override { smLocation = std::move(value); }
  std::string RCFilename() const override { return ""; }
  void SetRCFilename(std::string) override {}
  std::string ResFilename() const override { return ""; }
  void SetResFilename(std::string) override {}
  void WriteResourceToProject() override {}

  std::string lcFile, lcLocation, lmFile, lmLocation, scFile, scLocation, smFile, smLocation;
};

}  // namespace verbsmith::test

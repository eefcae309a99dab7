#pragma once
// BitMapMgrClass: the four toolbar bitmaps and the resource that holds them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "connection/connection.h"
#include "platform/host.h"
#include "resources/resource_compiler.h"
#include "resources/resource_script.h"

namespace verbsmith {

class LineBuffer;

class BitMapMgrClass : public IBitmapMgr {
 public:
  BitMapMgrClass(Host& host, LineBuffer& lines);

  void InitializeObjects(IConnection* obj) override;
  Ide* VBInst() const override { return vbInst_; }
  void SetVBInst(Ide* ide) override { vbInst_ = ide; }
  int16_t ResourceType() const override { return resourceType_; }
  void SetResourceType(int16_t value) override { resourceType_ = value; }
  std::string LCBMPFilename() const override { return lcFile_; }
  void SetLCBMPFilename(std::string value) override { lcFile_ = std::move(value); }
  std::string LCBitmapLocation() const override { return lcLocation_; }
  void SetLCBitmapLocation(std::string value) override { lcLocation_ = std::move(value); }
  std::string LMBMPFilename() const override { return lmFile_; }
  void SetLMBMPFilename(std::string value) override { lmFile_ = std::move(value); }
  std::string LMBitmapLocation() const override { return lmLocation_; }
  void SetLMBitmapLocation(std::string value) override { lmLocation_ = std::move(value); }
  std::string SCBMPFilename() const override { return scFile_; }
  void SetSCBMPFilename(std::string value) override { scFile_ = std::move(value); }
  std::string SCBitmapLocation() const override { return scLocation_; }
  void SetSCBitmapLocation(std::string value) override { scLocation_ = std::move(value); }
  std::string SMBMPFilename() const override { return smFile_; }
  void SetSMBMPFilename(std::string value) override { smFile_ = std::move(value); }
  std::string SMBitmapLocation() const override { return smLocation_; }
  void SetSMBitmapLocation(std::string value) override { smLocation_ = std::move(value); }
  std::string RCFilename() const override { return rcFilename_; }
  void SetRCFilename(std::string value) override { rcFilename_ = std::move(value); }
  std::string ResFilename() const override { return resFilename_; }
  void SetResFilename(std::string value) override { resFilename_ = std::move(value); }
  void WriteResourceToProject() override;

  // The cached path of the resource compiler; empty until one is found.
  std::string CompilerPath() const override { return compilerPath_; }

 private:
  // Finds the compiler and caches it (empty when there is none).
  void LookUpCompiler();
  // The bitmaps with a file name, in LC, LM, SC, SM order.
  std::vector<ScriptBitmap> ChosenBitmaps() const;
  // ResourceType other than 1: takes an earlier resource out of the project.
  void RemoveResource();
  void WriteScript();
  // Whether the compiled resource is in place; a failure leaves the current
  // error set.
  bool CompileScript();
  // The script as the project keeps it: Windows-form bitmap paths.
  std::string ProjectScriptText() const;
  // A temporary copy of the script as the compiler reads it; returns its path.
  std::string WriteScratchScript();
  // The file's bytes; empty when it cannot be read.
  std::string ContentOf(const std::string& path);

  Host& host_;
  LineBuffer& lines_;
  IGeneralMgr* genMgr_ = nullptr;
  IClassMgr* classMgr_ = nullptr;
  Ide* vbInst_ = nullptr;
  int16_t resourceType_ = 0;
  std::string lcFile_, lcLocation_, lmFile_, lmLocation_;
  std::string scFile_, scLocation_, smFile_, smLocation_;
  std::string rcFilename_, resFilename_;
  std::string compilerPath_;
  std::optional<ResourceCompiler> compiler_;
};

}  // namespace verbsmith

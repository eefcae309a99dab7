#pragma once
// GeneralMgrClass: the command specification of one wizard run, and the
// project operations that work on it (scaffolding, project file,
// registration, development-environment operations).

#include <cstdint>
#include <string>

#include "connection/connection.h"
#include "model/command_spec.h"
#include "platform/host.h"

namespace verbsmith {

class LineBuffer;

class GeneralMgrClass : public IGeneralMgr {
 public:
  // lines is the module-level line buffer shared with the generators.
  GeneralMgrClass(Host& host, LineBuffer& lines);

  void InitializeObjects(IConnection* connection) override;

  Ide* VBInst() const override { return vbInst_; }
  void SetVBInst(Ide* ide) override { vbInst_ = ide; }
  bool CommandIsModeless() const override { return commandIsModeless_; }
  void SetCommandIsModeless(bool value) override { commandIsModeless_ = value; }
  bool FormNotRequired() const override { return formNotRequired_; }
  void SetFormNotRequired(bool value) override { formNotRequired_ = value; }
  bool IsMapViewListener() const override { return isMapViewListener_; }
  void SetIsMapViewListener(bool value) override { isMapViewListener_ = value; }
  int32_t WizardPurpose() const override { return wizardPurpose_; }
  void SetWizardPurpose(int32_t value) override { wizardPurpose_ = value; }
  int32_t ProjectType() const override { return projectType_; }
  void SetProjectType(int32_t value) override { projectType_ = value; }
  int32_t ViewListener() const override { return viewListener_; }
  void SetViewListener(int32_t value) override { viewListener_ = value; }
  int32_t ViewListenerRequirements() const override { return viewListenerRequirements_; }
  void SetViewListenerRequirements(int32_t value) override { viewListenerRequirements_ = value; }
  int32_t ViewListenerCommandType() const override { return viewListenerCommandType_; }
  void SetViewListenerCommandType(int32_t value) override { viewListenerCommandType_ = value; }
  int32_t CommandsEnablingConditions() const override { return commandsEnablingConditions_; }
  void SetCommandsEnablingConditions(int32_t value) override { commandsEnablingConditions_ = value; }

  std::string RecapString() const override { return recap_; }
  void SetRecapString(std::string value) override { recap_ = std::move(value); }
  std::string TotalRecapString() const override { return totalRecap_; }
  void SetTotalRecapString(std::string value) override { totalRecap_ = std::move(value); }
  std::string BitmapRecapString() const override { return bitmapRecap_; }
  void SetBitmapRecapString(std::string value) override { bitmapRecap_ = std::move(value); }
  std::string FormRecapString() const override { return formRecap_; }
  void SetFormRecapString(std::string value) override { formRecap_ = std::move(value); }
  std::string ViewListenerRecap() const override { return viewListenerRecap_; }
  void SetViewListenerRecap(std::string value) override { viewListenerRecap_ = std::move(value); }
  std::string ViewListenerRequirementsRecap() const override { return requirementsRecap_; }
  void SetViewListenerRequirementsRecap(std::string value) override { requirementsRecap_ = std::move(value); }
  std::string ViewListenerCommandTypeRecap() const override { return commandTypeRecap_; }
  void SetViewListenerCommandTypeRecap(std::string value) override { commandTypeRecap_ = std::move(value); }
  std::string CommandsEnablingConditionsRecap() const override { return enablingRecap_; }
  void SetCommandsEnablingConditionsRecap(std::string value) override { enablingRecap_ = std::move(value); }

  std::string CurrentPath() const override { return currentPath_; }
  void SetCurrentPath(std::string value) override;
  std::string CurrentPathSrc() const override { return currentPathSrc_; }
  void SetCurrentPathSrc(std::string value) override;
  std::string CurrentPathBin() const override { return currentPathBin_; }
  void SetCurrentPathBin(std::string value) override;
  std::string CompanyName() const override { return companyName_; }
  void SetCompanyName(std::string value) override { companyName_ = std::move(value); }
  std::string ApplicationName() const override { return applicationName_; }
  void SetApplicationName(std::string value) override { applicationName_ = std::move(value); }
  std::string ProjectName() const override { return projectName_; }
  void SetProjectName(std::string value) override;
  std::string ProjectFilename() const override { return projectFilename_; }
  void SetProjectFilename(std::string value) override { projectFilename_ = std::move(value); }
  std::string ProjectDesc() const override { return projectDesc_; }
  void SetProjectDesc(std::string value) override { projectDesc_ = std::move(value); }
  std::string CompleteProjFilename() const override { return completeProjFilename_; }
  void SetCompleteProjFilename(std::string value) override { completeProjFilename_ = std::move(value); }

  // Development environment (general_mgr_ide.cpp).
  void ReloadProject(const std::string& filename) override;
  void AreComponentsDirty(bool& dirty) override;
  // Registration (general_mgr_registration.cpp).
  void IsCommandUnique(bool& unique) override;
  void WriteINI() override;
  // Scaffolding (general_mgr_scaffold.cpp).
  StageOutcome CopyTemplate() override;
  void NamesUnique(bool& unique) override;
  // Project file (general_mgr_project.cpp).
  void ReadProject() override;
  void ModifyProject() override;
  void WriteModifiedProject() override;
  // Recap file (general_mgr_recap.cpp).
  void WriteRecap() override;

  // The command specification this manager and the others hold now.
  CommandSpec Spec() const;

  // The shared objects received by InitializeObjects (empty until then).
  IClassMgr* ClassMgr() const { return classMgr_; }
  IModuleMgr* ModuleMgr() const { return moduleMgr_; }
  IFormMgr* FormMgr() const { return formMgr_; }
  IBitmapMgr* BitmapMgr() const { return bitmapMgr_; }

 private:
  Host& host_;
  LineBuffer& lines_;

  IClassMgr* classMgr_ = nullptr;
  IModuleMgr* moduleMgr_ = nullptr;
  IFormMgr* formMgr_ = nullptr;
  IBitmapMgr* bitmapMgr_ = nullptr;
  Ide* vbInst_ = nullptr;

  bool commandIsModeless_ = false;
  bool formNotRequired_ = false;
  bool isMapViewListener_ = false;
  int32_t wizardPurpose_ = 0;
  int32_t projectType_ = 0;
  int32_t viewListener_ = 0;
  int32_t viewListenerRequirements_ = 0;
  int32_t viewListenerCommandType_ = 0;
  int32_t commandsEnablingConditions_ = 0;

  std::string recap_, totalRecap_, bitmapRecap_, formRecap_, viewListenerRecap_;
  std::string requirementsRecap_, commandTypeRecap_, enablingRecap_;

  std::string currentPath_, currentPathSrc_, currentPathBin_;
  std::string companyName_, applicationName_, projectName_, projectFilename_;
  std::string projectDesc_, completeProjFilename_;
};

}  // namespace verbsmith

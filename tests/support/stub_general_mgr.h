#pragma once
// A general manager that only keeps its values, for tests of the layers
// below the real one. Its project operations do nothing; the path setters
// keep the one-trailing-backslash rule the other managers rely on.

#include <string>

#include "base/win_path.h"
#include "connection/connection.h"

namespace verbsmith::test {

class StubGeneralMgr : public IGeneralMgr {
 public:
  void InitializeObjects(IConnection*) override {}

  Ide* VBInst() const override { return vbInst; }
  void SetVBInst(Ide* ide) override { vbInst = ide; }
  bool CommandIsModeless() const override { return commandIsModeless; }
  void SetCommandIsModeless(bool value) override { commandIsModeless = value; }
  bool FormNotRequired() const override { return formNotRequired; }
  void SetFormNotRequired(bool value) override { formNotRequired = value; }
  bool IsMapViewListener() const override { return isMapViewListener; }
  void SetIsMapViewListener(bool value) override { isMapViewListener = value; }
  int32_t WizardPurpose() const override { return wizardPurpose; }
  void SetWizardPurpose(int32_t value) override { wizardPurpose = value; }
  int32_t ProjectType() const override { return projectType; }
  void SetProjectType(int32_t value) override { projectType = value; }
  int32_t ViewListener() const override { return viewListener; }
  void SetViewListener(int32_t value) override { viewListener = value; }
  int32_t ViewListenerRequirements() const override { return viewListenerRequirements; }
  void SetViewListenerRequirements(int32_t value) override { viewListenerRequirements = value; }
  int32_t ViewListenerCommandType() const override { return viewListenerCommandType; }
  void SetViewListenerCommandType(int32_t value) override { viewListenerCommandType = value; }
  int32_t CommandsEnablingConditions() const override { return commandsEnablingConditions; }
  void SetCommandsEnablingConditions(int32_t value) override { commandsEnablingConditions = value; }

  std::string RecapString() const override { return recap; }
  void SetRecapString(std::string value) override { recap = std::move(value); }
  std::string TotalRecapString() const override { return totalRecap; }
  void SetTotalRecapString(std::string value) override { totalRecap = std::move(value); }
  std::string BitmapRecapString() const override { return bitmapRecap; }
  void SetBitmapRecapString(std::string value) override { bitmapRecap = std::move(value); }
  std::string FormRecapString() const override { return formRecap; }
  void SetFormRecapString(std::string value) override { formRecap = std::move(value); }
  std::string ViewListenerRecap() const override { return viewListenerRecap; }
  void SetViewListenerRecap(std::string value) override { viewListenerRecap = std::move(value); }
  std::string ViewListenerRequirementsRecap() const override { return requirementsRecap; }
  void SetViewListenerRequirementsRecap(std::string value) override { requirementsRecap = std::move(value); }
  std::string ViewListenerCommandTypeRecap() const override { return commandTypeRecap; }
  void SetViewListenerCommandTypeRecap(std::string value) override { commandTypeRecap = std::move(value); }
  std::string CommandsEnablingConditionsRecap() const override { return enablingRecap; }
  void SetCommandsEnablingConditionsRecap(std::string value) override { enablingRecap = std::move(value); }

  std::string CurrentPath() const override { return currentPath; }
  void SetCurrentPath(std::string value) override { currentPath = AddTrailingBackslash(value); }
  std::string CurrentPathSrc() const override { return currentPathSrc; }
  void SetCurrentPathSrc(std::string value) override { currentPathSrc = AddTrailingBackslash(value); }
  std::string CurrentPathBin() const override { return currentPathBin; }
  void SetCurrentPathBin(std::string value) override { currentPathBin = AddTrailingBackslash(value); }
  std::string CompanyName() const override { return companyName; }
  void SetCompanyName(std::string value) override { companyName = std::move(value); }
  std::string ApplicationName() const override { return applicationName; }
  void SetApplicationName(std::string value) override { applicationName = std::move(value); }
  std::string ProjectName() const override { return projectName; }
  void SetProjectName(std::string value) override {
    projectFilename = value + ".vbp";
    projectName = std::move(value);
  }
  std::string ProjectFilename() const override { return projectFilename; }
  void SetProjectFilename(std::string value) override { projectFilename = std::move(value); }
  std::string ProjectDesc() const override { return projectDesc; }
  void SetProjectDesc(std::string value) override { projectDesc = std::move(value); }
  std::string CompleteProjFilename() const override { return completeProjFilename; }
  void SetCompleteProjFilename(std::string value) override { completeProjFilename = std::move(value); }

  void ReloadProject(const std::string&) override {}
  void IsCommandUnique(bool& unique) override { unique = true; }
  void AreComponentsDirty(bool& dirty) override { dirty = false; }
  StageOutcome CopyTemplate() override { return {}; }
  void NamesUnique(bool& unique) override { unique = true; }
  void ReadProject() override {}
  void ModifyProject() override {}
  void WriteModifiedProject() override {}
  void WriteRecap() override {}
  void WriteINI() override {}

  Ide* vbInst = nullptr;
  bool commandIsModeless = false, formNotRequired = false, isMapViewListener = false;
  int32_t wizardPurpose = 0, projectType = 0, viewListener = 0, viewListenerRequirements = 0;
  int32_t viewListenerCommandType = 0, commandsEnablingConditions = 0;
  std::string recap, totalRecap, bitmapRecap, formRecap, viewListenerRecap, requirementsRecap;
  std::string commandTypeRecap, enablingRecap;
  std::string currentPath, currentPathSrc, currentPathBin;
  std::string companyName = "Valdren", applicationName = "Carthex";
  std::string projectName = "CarthexCommand", projectFilename = "CarthexCommand.vbp";
  std::string projectDesc, completeProjFilename;
};

}  // namespace verbsmith::test

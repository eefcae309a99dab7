#pragma once
// How the managers and the wizard window reach each other: through the add-in
// connection object's members GenMgr, ModuleMgr, ClassMgr, FormMgr, BitmapMgr
// and VBInst, each of which may be empty. The interfaces below are what one
// manager may ask of another.

#include <cstdint>
#include <string>

#include "base/stage_outcome.h"

namespace verbsmith {

class Ide;
class IConnection;

// What a wizard run is for (GeneralMgrClass's WizardPurpose).
namespace purpose {
inline constexpr int32_t kCreate = 0;
inline constexpr int32_t kEdit = 1;
inline constexpr int32_t kDelete = 2;
inline constexpr int32_t kAdd = 3;
}  // namespace purpose

// The kind of project an add run works on (GeneralMgrClass's ProjectType).
namespace projecttype {
inline constexpr int32_t kNotChosen = -1;
inline constexpr int32_t kVisualBasic = 0;
inline constexpr int32_t kOther = 1;
}  // namespace projecttype

class IGeneralMgr {
 public:
  virtual ~IGeneralMgr() = default;
  virtual void InitializeObjects(IConnection* connection) = 0;

  virtual Ide* VBInst() const = 0;
  virtual void SetVBInst(Ide* ide) = 0;
  virtual bool CommandIsModeless() const = 0;
  virtual void SetCommandIsModeless(bool value) = 0;
  virtual bool FormNotRequired() const = 0;
  virtual void SetFormNotRequired(bool value) = 0;
  virtual bool IsMapViewListener() const = 0;
  virtual void SetIsMapViewListener(bool value) = 0;
  virtual int32_t WizardPurpose() const = 0;
  virtual void SetWizardPurpose(int32_t value) = 0;
  virtual int32_t ProjectType() const = 0;
  virtual void SetProjectType(int32_t value) = 0;
  virtual int32_t ViewListener() const = 0;
  virtual void SetViewListener(int32_t value) = 0;
  virtual int32_t ViewListenerRequirements() const = 0;
  virtual void SetViewListenerRequirements(int32_t value) = 0;
  virtual int32_t ViewListenerCommandType() const = 0;
  virtual void SetViewListenerCommandType(int32_t value) = 0;
  virtual int32_t CommandsEnablingConditions() const = 0;
  virtual void SetCommandsEnablingConditions(int32_t value) = 0;

  virtual std::string RecapString() const = 0;
  virtual void SetRecapString(std::string value) = 0;
  virtual std::string TotalRecapString() const = 0;
  virtual void SetTotalRecapString(std::string value) = 0;
  virtual std::string BitmapRecapString() const = 0;
  virtual void SetBitmapRecapString(std::string value) = 0;
  virtual std::string FormRecapString() const = 0;
  virtual void SetFormRecapString(std::string value) = 0;
  virtual std::string ViewListenerRecap() const = 0;
  virtual void SetViewListenerRecap(std::string value) = 0;
  virtual std::string ViewListenerRequirementsRecap() const = 0;
  virtual void SetViewListenerRequirementsRecap(std::string value) = 0;
  virtual std::string ViewListenerCommandTypeRecap() const = 0;
  virtual void SetViewListenerCommandTypeRecap(std::string value) = 0;
  virtual std::string CommandsEnablingConditionsRecap() const = 0;
  virtual void SetCommandsEnablingConditionsRecap(std::string value) = 0;

  virtual std::string CurrentPath() const = 0;
  virtual void SetCurrentPath(std::string value) = 0;
  virtual std::string CurrentPathSrc() const = 0;
  virtual void SetCurrentPathSrc(std::string value) = 0;
  virtual std::string CurrentPathBin() const = 0;
  virtual void SetCurrentPathBin(std::string value) = 0;
  virtual std::string CompanyName() const = 0;
  virtual void SetCompanyName(std::string value) = 0;
  virtual std::string ApplicationName() const = 0;
  virtual void SetApplicationName(std::string value) = 0;
  virtual std::string ProjectName() const = 0;
  virtual void SetProjectName(std::string value) = 0;
  virtual std::string ProjectFilename() const = 0;
  virtual void SetProjectFilename(std::string value) = 0;
  virtual std::string ProjectDesc() const = 0;
  virtual void SetProjectDesc(std::string value) = 0;
  virtual std::string CompleteProjFilename() const = 0;
  virtual void SetCompleteProjFilename(std::string value) = 0;

  virtual void ReloadProject(const std::string& filename) = 0;
  virtual void IsCommandUnique(bool& unique) = 0;
  virtual void AreComponentsDirty(bool& dirty) = 0;
  // Copies the templates into the source directory; what failed is the
  // caller's to show.
  virtual StageOutcome CopyTemplate() = 0;
  virtual void NamesUnique(bool& unique) = 0;
  virtual void ReadProject() = 0;
  virtual void ModifyProject() = 0;
  virtual void WriteModifiedProject() = 0;
  virtual void WriteRecap() = 0;
  virtual void WriteINI() = 0;
};

class IClassMgr {
 public:
  virtual ~IClassMgr() = default;
  virtual void InitializeObjects(IConnection* owner) = 0;
  virtual std::string Classname() const = 0;
  virtual void SetClassname(std::string value) = 0;
  virtual std::string ClassFilename() const = 0;
  virtual void SetClassFilename(std::string value) = 0;
  virtual std::string CompleteFilename() const = 0;
  virtual std::string CommandDesc() const = 0;
  virtual void SetCommandDesc(std::string value) = 0;
  virtual std::string CommandToolTip() const = 0;
  virtual void SetCommandToolTip(std::string value) = 0;
  virtual void ReadClass() = 0;
  virtual void ModifyClass() = 0;
  virtual void WriteClass() = 0;
};

class IModuleMgr {
 public:
  virtual ~IModuleMgr() = default;
  virtual void InitializeObjects(IConnection* owner) = 0;
  virtual std::string ModuleName() const = 0;
  virtual void SetModuleName(std::string value) = 0;
  virtual std::string ModuleFilename() const = 0;
  virtual void SetModuleFilename(std::string value) = 0;
  virtual std::string CompleteFilename() const = 0;
  virtual void ReadModule() = 0;
  virtual void ModifyModule() = 0;
  virtual void WriteModule() = 0;
};

class IFormMgr {
 public:
  virtual ~IFormMgr() = default;
  virtual void InitializeObjects(IConnection* owner) = 0;
  virtual std::string FormName() const = 0;
  virtual void SetFormName(std::string value) = 0;
  virtual std::string FormFilename() const = 0;
  virtual void SetFormFilename(std::string value) = 0;
  virtual std::string CompleteFilename() const = 0;
  virtual int16_t FormPosition() const = 0;
  virtual void SetFormPosition(int16_t value) = 0;
  virtual void ReadForm() = 0;
  virtual void ModifyForm() = 0;
  virtual void WriteForm() = 0;
  virtual void DeleteOCX(const std::string& name, const std::string& file) = 0;
};

class IBitmapMgr {
 public:
  virtual ~IBitmapMgr() = default;
  virtual void InitializeObjects(IConnection* obj) = 0;
  virtual Ide* VBInst() const = 0;
  virtual void SetVBInst(Ide* ide) = 0;
  virtual int16_t ResourceType() const = 0;
  virtual void SetResourceType(int16_t value) = 0;
  virtual std::string LCBMPFilename() const = 0;
  virtual void SetLCBMPFilename(std::string value) = 0;
  virtual std::string LCBitmapLocation() const = 0;
  virtual void SetLCBitmapLocation(std::string value) = 0;
  virtual std::string LMBMPFilename() const = 0;
  virtual void SetLMBMPFilename(std::string value) = 0;
  virtual std::string LMBitmapLocation() const = 0;
  virtual void SetLMBitmapLocation(std::string value) = 0;
  virtual std::string SCBMPFilename() const = 0;
  virtual void SetSCBMPFilename(std::string value) = 0;
  virtual std::string SCBitmapLocation() const = 0;
  virtual void SetSCBitmapLocation(std::string value) = 0;
  virtual std::string SMBMPFilename() const = 0;
  virtual void SetSMBMPFilename(std::string value) = 0;
  virtual std::string SMBitmapLocation() const = 0;
  virtual void SetSMBitmapLocation(std::string value) = 0;
  virtual std::string RCFilename() const = 0;
  virtual void SetRCFilename(std::string value) = 0;
  virtual std::string ResFilename() const = 0;
  virtual void SetResFilename(std::string value) = 0;
  virtual void WriteResourceToProject() = 0;
  // The resource compiler the manager runs; empty when it has none.
  virtual std::string CompilerPath() const { return ""; }
};

// The add-in connection object as the managers see it: members by name,
// each possibly empty (nullptr).
class IConnection {
 public:
  virtual ~IConnection() = default;
  virtual IGeneralMgr* GenMgr() const = 0;
  virtual IModuleMgr* ModuleMgr() const = 0;
  virtual IClassMgr* ClassMgr() const = 0;
  virtual IFormMgr* FormMgr() const = 0;
  virtual IBitmapMgr* BitmapMgr() const = 0;
  virtual Ide* VBInst() const = 0;
};

}  // namespace verbsmith

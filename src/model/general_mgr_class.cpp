#include "model/general_mgr_class.h"

#include <utility>

#include "base/texts.h"
#include "base/win_path.h"
#include "generate/manager_errors.h"
#include "model/command_spec_mapping.h"

namespace verbsmith {

GeneralMgrClass::GeneralMgrClass(Host& host, LineBuffer& lines) : host_(host), lines_(lines) {
  SetCurrentPath(host_.fs.CurrentDirectory());
  SetProjectName("CarthexCommand");
  SetCompanyName("Valdren");
  SetApplicationName("Carthex");
}

void GeneralMgrClass::InitializeObjects(IConnection* connection) {
  auto record = [this](ManagerError error) { RecordManagerError(host_.err, text::kGeneralMgrSource, error); };
  if (connection == nullptr) return record(mgrerr::kNoConnection);
  if ((classMgr_ = connection->ClassMgr()) == nullptr) return record(mgrerr::kNoClassMgr);
  if ((moduleMgr_ = connection->ModuleMgr()) == nullptr) return record(mgrerr::kNoModuleMgr);
  if ((formMgr_ = connection->FormMgr()) == nullptr) return record(mgrerr::kNoFormMgr);
  if ((bitmapMgr_ = connection->BitmapMgr()) == nullptr) return record(mgrerr::kNoBitmapMgr);
  if ((vbInst_ = connection->VBInst()) == nullptr) return record(mgrerr::kNoVBInst);
}

CommandSpec GeneralMgrClass::Spec() const {
  return SpecOf(*this, classMgr_, moduleMgr_, formMgr_, bitmapMgr_);
}

void GeneralMgrClass::SetCurrentPath(std::string value) {
  currentPath_ = AddTrailingBackslash(value);
}

void GeneralMgrClass::SetCurrentPathSrc(std::string value) {
  currentPathSrc_ = AddTrailingBackslash(value);
}

void GeneralMgrClass::SetCurrentPathBin(std::string value) {
  currentPathBin_ = AddTrailingBackslash(value);
}

void GeneralMgrClass::SetProjectName(std::string value) {
  projectFilename_ = value + ".vbp";
  projectName_ = std::move(value);
}

}  // namespace verbsmith

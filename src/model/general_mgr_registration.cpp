// GeneralMgrClass: the command's initialisation file and the test that its
// ProgID is still free.

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/manager_errors.h"
#include "generate/vs_main.h"
#include "model/command_spec_mapping.h"
#include "model/general_mgr_class.h"

namespace verbsmith {

namespace {

constexpr int kIniMessage = 185;

template <typename T>
T& Require(T* object) {
  if (object == nullptr) throw ObjectNotSet(text::kGeneralMgrSource);
  return *object;
}

}  // namespace

void GeneralMgrClass::WriteINI() {
  std::string message;
  try {
    message = LoadResString(kIniMessage);
    const std::string className = Require(classMgr_).Classname();
    const CommandSpec spec = Spec();
    const CommandEntry entry = EntryOf(spec);
    // The file is written once. Without a bitmap manager the bitmap paths
    // cannot be had: the keys before them are still written.
    ProfileFiles::KeyValues values = IniCommandKeys(entry);
    std::optional<VbError> failure;
    if (bitmapMgr_ == nullptr) {
      failure = ObjectNotSet(text::kGeneralMgrSource);
    } else {
      std::ranges::move(IniBitmapKeys(entry), std::back_inserter(values));
    }
    // A refused write (no bin directory, say) must not pass for success.
    if (!host_.profiles.WriteStrings(className, values, IniPath(spec))) {
      throw VbError::Standard(vberr::kPathFileAccessError, "General Manager Object");
    }
    if (failure) throw *failure;
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
}

void GeneralMgrClass::IsCommandUnique(bool& unique) {
  unique = true;
  const std::string progId = projectName_ + "." + Require(classMgr_).Classname();
  RegKey key = 0;
  if (host_.registry.OpenKey(regroot::kClassesRoot, progId, &key) == regcode::kSuccess) {
    host_.registry.CloseKey(key);
    unique = false;
    return;
  }
  if (host_.registry.OpenKey(regroot::kLocalMachine, "SOFTWARE\\Classes\\" + progId, &key) ==
      regcode::kSuccess) {
    host_.registry.CloseKey(key);
    unique = false;
  }
}

}  // namespace verbsmith

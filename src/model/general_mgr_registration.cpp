// GeneralMgrClass: the command's initialisation file and the test that its
// ProgID is still free.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/manager_errors.h"
#include "generate/vs_main.h"
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
    // Every value is read when its key is written, the section name too, so
    // a manager that goes missing fails at the key that needs it.
    auto className = [this] { return Require(classMgr_).Classname(); };
    auto bitmapPath = [this](auto location, auto file) {
      IBitmapMgr& bitmaps = Require(bitmapMgr_);
      return (bitmaps.*location)() + (bitmaps.*file)();
    };
    const std::string file = currentPathBin_ + className() + ".ini";
    const std::string progId = projectName_ + "." + className();

    const std::vector<std::pair<const char*, std::function<std::string()>>> keys = {
        {"ProgID", [&] { return progId; }},
        {"CommandType", [this] { return std::to_string(viewListenerCommandType_); }},
        {"EnableMask", [this] { return std::to_string(commandsEnablingConditions_); }},
        {"ListenerMask", [this] { return std::to_string(viewListenerRequirements_); }},
        {"IsModal", [this] { return std::string(commandIsModeless_ ? "0" : "1"); }},
        {"Description", [this] { return Require(classMgr_).CommandDesc(); }},
        {"ToolTip", [this] { return Require(classMgr_).CommandToolTip(); }},
        {"SmallMonoBitmapPath",
         [&] { return bitmapPath(&IBitmapMgr::SMBitmapLocation, &IBitmapMgr::SMBMPFilename); }},
        {"SmallColorBitmapPath",
         [&] { return bitmapPath(&IBitmapMgr::SCBitmapLocation, &IBitmapMgr::SCBMPFilename); }},
        {"LargeMonoBitmapPath",
         [&] { return bitmapPath(&IBitmapMgr::LMBitmapLocation, &IBitmapMgr::LMBMPFilename); }},
        {"LargeColorBitmapPath",
         [&] { return bitmapPath(&IBitmapMgr::LCBitmapLocation, &IBitmapMgr::LCBMPFilename); }},
    };
    // The values are gathered in order and the file written once; a value
    // that cannot be had ends the gathering, and the keys before it are
    // still written.
    ProfileFiles::KeyValues values;
    std::optional<VbError> failure;
    try {
      for (const auto& [key, value] : keys) values.emplace_back(key, value());
    } catch (const VbError& error) {
      failure = error;
    }
    // A refused write (no bin directory, say) must not pass for success.
    if (!values.empty() && !host_.profiles.WriteStrings(className(), values, file)) {
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

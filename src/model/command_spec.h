#pragma once
// Everything one wizard run specifies, as one value. The managers keep it
// between steps under their property names; this value is what Finish, the
// registration, the initialisation file, the manifest and the recap read.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "connection/connection.h"
#include "platform/command_set.h"

namespace verbsmith {

struct CommandSpec {
  // GeneralMgrClass
  int32_t wizardPurpose = purpose::kCreate;
  int32_t projectType = 0;
  std::string companyName, applicationName;
  std::string projectName, projectFilename, projectDesc, completeProjFilename;
  std::string currentPath, currentPathSrc, currentPathBin;
  bool commandIsModeless = false;
  bool formNotRequired = false;
  bool isMapViewListener = false;
  int32_t viewListener = 0;
  int32_t viewListenerRequirements = 0;
  int32_t viewListenerCommandType = 0;
  int32_t commandsEnablingConditions = 0;
  // ClassMgrClass
  std::string classname, classFilename, commandDesc, commandToolTip;
  // ModuleMgrClass
  std::string moduleName, moduleFilename;
  // FormMgrClass
  std::string formName, formFilename;
  int16_t formPosition = 0;
  // BitMapMgrClass
  int16_t resourceType = 0;
  std::string lcBitmapLocation, lcBmpFilename, lmBitmapLocation, lmBmpFilename;
  std::string scBitmapLocation, scBmpFilename, smBitmapLocation, smBmpFilename;
  std::string rcFilename, resFilename;

  std::string ProgId() const { return projectName + "." + classname; }
  // A generated file's full path: in the source directory, empty while the
  // file has no name.
  std::string InSource(const std::string& filename) const {
    return filename.empty() ? std::string() : currentPathSrc + filename;
  }

  bool operator==(const CommandSpec&) const = default;
};

// One toolbar bitmap: where the specification keeps its location and file
// name, and where a command-set entry keeps its full path.
struct SpecBitmap {
  std::string_view code;  // "LC"
  std::string CommandSpec::*location;
  std::string CommandSpec::*file;
  std::string CommandEntry::*entryPath;

  std::string Path(const CommandSpec& spec) const { return spec.*location + spec.*file; }
};

// Always in the order LC, LM, SC, SM.
inline constexpr std::array<SpecBitmap, 4> kSpecBitmaps{{
    {"LC", &CommandSpec::lcBitmapLocation, &CommandSpec::lcBmpFilename, &CommandEntry::largeColorBitmap},
    {"LM", &CommandSpec::lmBitmapLocation, &CommandSpec::lmBmpFilename, &CommandEntry::largeMonoBitmap},
    {"SC", &CommandSpec::scBitmapLocation, &CommandSpec::scBmpFilename, &CommandEntry::smallColorBitmap},
    {"SM", &CommandSpec::smBitmapLocation, &CommandSpec::smBmpFilename, &CommandEntry::smallMonoBitmap},
}};

}  // namespace verbsmith

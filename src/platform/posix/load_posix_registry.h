#pragma once
// Finds the registry files of this machine and loads them.

#include <memory>
#include <string>
#include <vector>

#include "platform/posix/posix_registry.h"

namespace verbsmith {

// The files to load, in order: the Wine prefix's system.reg and user.reg
// when they exist (prefix: wineprefix, else home/.wine), then each entry of
// the colon-separated exportList. Empty arguments stand for unset
// variables.
std::vector<std::string> RegistryFiles(const std::string& wineprefix, const std::string& home,
                                       const std::string& exportList);

// The registry of WINEPREFIX (default ~/.wine) and VERBSMITH_REGISTRY.
// Throws VbError as PosixRegistry does.
std::unique_ptr<PosixRegistry> LoadPosixRegistry();

}  // namespace verbsmith

#pragma once
// Finds the registry files of this machine and loads them.

#include <memory>
#include <string>
#include <vector>

#include "platform/posix/posix_registry.h"

namespace verbsmith {

// The files to load, in order: the Wine prefix's system.reg and user.reg
// when they exist, then each entry of the colon-separated exportList.
std::vector<std::string> RegistryFiles(const std::string& winePrefix, const std::string& exportList);
// Those of the user's Wine prefix and VERBSMITH_REGISTRY.
std::vector<std::string> RegistryFilesOfThisProcess();

// The registry of those files. Throws VbError as PosixRegistry does.
std::unique_ptr<PosixRegistry> LoadPosixRegistry();

}  // namespace verbsmith

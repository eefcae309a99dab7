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

// The registry of the files that could be read, and why each other one was
// left out. The registry is context only, so one bad file stops nothing.
struct LoadedRegistry {
  std::unique_ptr<PosixRegistry> registry;
  std::vector<RegistryFileProblem> problems;
};
LoadedRegistry LoadRegistryFiles(const std::vector<std::string>& files);
LoadedRegistry LoadPosixRegistry();

}  // namespace verbsmith

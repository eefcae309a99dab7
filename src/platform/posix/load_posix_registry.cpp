#include "platform/posix/load_posix_registry.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/posix/user_directories.h"

namespace verbsmith {

std::vector<std::string> RegistryFiles(const std::string& winePrefix, const std::string& exportList) {
  std::vector<std::string> files;
  // A prefix Wine has not set up yet simply has no registry.
  for (const char* hive : {"system.reg", "user.reg"}) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::path(winePrefix) / hive;
    if (std::filesystem::is_regular_file(path, error)) files.push_back(path.string());
  }
  std::string_view list = exportList;
  while (!list.empty()) {
    const size_t colon = list.find(':');
    const std::string_view entry = list.substr(0, colon);
    if (!entry.empty()) files.emplace_back(entry);
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return files;
}

std::vector<std::string> RegistryFilesOfThisProcess() {
  const char* exports = std::getenv("VERBSMITH_REGISTRY");
  return RegistryFiles(UserDirectoriesOfThisProcess().winePrefix, exports == nullptr ? "" : exports);
}

LoadedRegistry LoadRegistryFiles(const std::vector<std::string>& files) {
  LoadedRegistry loaded{std::make_unique<PosixRegistry>(), {}};
  for (const std::string& file : files) {
    if (auto problem = loaded.registry->LoadFileOrReport(file))
      loaded.problems.push_back(std::move(*problem));
  }
  return loaded;
}

LoadedRegistry LoadPosixRegistry() {
  return LoadRegistryFiles(RegistryFilesOfThisProcess());
}

}  // namespace verbsmith

#include "platform/posix/load_posix_registry.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace verbsmith {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::vector<std::string> RegistryFiles(const std::string& wineprefix, const std::string& home,
                                       const std::string& exportList) {
  std::vector<std::string> files;
  std::filesystem::path prefix;
  if (!wineprefix.empty()) {
    prefix = wineprefix;
  } else if (!home.empty()) {
    prefix = std::filesystem::path(home) / ".wine";
  }
  if (!prefix.empty()) {
    // A prefix Wine has not set up yet simply has no registry.
    for (const char* hive : {"system.reg", "user.reg"}) {
      std::error_code error;
      const std::filesystem::path path = prefix / hive;
      if (std::filesystem::is_regular_file(path, error)) files.push_back(path.string());
    }
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

std::unique_ptr<PosixRegistry> LoadPosixRegistry() {
  return std::make_unique<PosixRegistry>(
      RegistryFiles(Environment("WINEPREFIX"), Environment("HOME"), Environment("VERBSMITH_REGISTRY")));
}

}  // namespace verbsmith

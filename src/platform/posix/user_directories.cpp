#include "platform/posix/user_directories.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

namespace verbsmith {

namespace {

std::optional<std::string> Absolute(std::optional<std::string> path) {
  if (!path || path->empty() || path->front() != '/') return std::nullopt;
  while (path->size() > 1 && path->back() == '/') path->pop_back();
  return path;
}

std::string Below(const std::string& directory, const char* relative) {
  return (directory == "/" ? "" : directory) + "/" + relative;
}

std::string AccountHome() {
  std::array<char, 4096> buffer{};
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr) {
    return "";
  }
  return found->pw_dir;
}

}  // namespace

UserDirectories FindUserDirectories(const EnvironmentLookup& getEnv, const std::string& accountHome) {
  UserDirectories dirs;
  dirs.home = Absolute(getEnv("HOME")).value_or(Absolute(accountHome).value_or("/"));
  dirs.configHome = Absolute(getEnv("XDG_CONFIG_HOME")).value_or(Below(dirs.home, ".config"));
  dirs.dataHome = Absolute(getEnv("XDG_DATA_HOME")).value_or(Below(dirs.home, ".local/share"));
  dirs.stateHome = Absolute(getEnv("XDG_STATE_HOME")).value_or(Below(dirs.home, ".local/state"));
  dirs.winePrefix = Absolute(getEnv("WINEPREFIX")).value_or(Below(dirs.home, ".wine"));
  return dirs;
}

UserDirectories UserDirectoriesOfThisProcess() {
  const auto getEnv = [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
  };
  return FindUserDirectories(getEnv, AccountHome());
}

}  // namespace verbsmith

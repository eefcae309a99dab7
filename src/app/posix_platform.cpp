#include "app/posix_platform.h"

#include "platform/posix/executable_directory.h"
#include "platform/posix/load_posix_registry.h"
#include "platform/posix/path_mapper.h"

namespace verbsmith::app {

namespace {

std::string WithBackslash(std::string directory) {
  if (!directory.empty() && directory.back() != '\\') directory += '\\';
  return directory;
}

// Beside the executable, as the add-in's files sit beside its module.
std::string AddInDirectory() {
  const std::filesystem::path dir = ExecutableDirectory();
  if (dir.empty()) return "";
  return WithBackslash(PathMapper::FromEnvironment().ToWindows(dir));
}

}  // namespace

PosixPlatform::PosixPlatform(Transcript& transcript) : PosixPlatform(transcript, dialogs_, screen_) {}

PosixPlatform::PosixPlatform(Transcript& transcript, verbsmith::Dialogs& dialogs, verbsmith::Screen& screen)
    : registry_(LoadPosixRegistry()),
      settings_(files_, DefaultSettingsFile()),
      dialogs_(transcript),
      commandSets_(CommandSetPathFromEnvironment()),
      host_{files_, *registry_,   profiles_, settings_, processes_, dialogs,
            screen, commandSets_, err_,      "",        ""} {
  host_.addInDirectory = AddInDirectory();
  if (auto configured = processes_.GetEnv("VERBSMITH_TEMPLATES"); configured && !configured->empty()) {
    host_.templateDirectory = ProductDirectory(*configured);
  } else if (!host_.addInDirectory.empty()) {
    host_.templateDirectory = host_.addInDirectory + "Templates\\";
  }
}

std::string PosixPlatform::ProductPath(const std::string& path) {
  const bool windowsForm = path.size() >= 2 && path[1] == ':';
  if (windowsForm) return path;
  return PathMapper::FromEnvironment().ToWindows(std::filesystem::path(path));
}

std::string PosixPlatform::ProductDirectory(const std::string& directory) {
  return WithBackslash(ProductPath(directory));
}

}  // namespace verbsmith::app

#include "platform/host.h"

namespace verbsmith {

Host Host::Replacing(FileSystem& files, Processes& processesPort, Dialogs& dialogsPort,
                     Settings& settingsPort) const {
  return Host{.fs = files,
              .registry = registry,
              .profiles = profiles,
              .settings = settingsPort,
              .processes = processesPort,
              .dialogs = dialogsPort,
              .screen = screen,
              .commandSets = commandSets,
              .err = err,
              .addInDirectory = addInDirectory,
              .templateDirectory = templateDirectory,
              // Another file system has no staging layer of this one's.
              .staging = &files == &fs ? staging : nullptr,
              .journalDirectory = journalDirectory,
              .locks = locks,
              .finishPreview = finishPreview};
}

}  // namespace verbsmith

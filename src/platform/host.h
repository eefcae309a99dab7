#pragma once
// The platform services one running add-in uses, bundled so that every
// layer above reaches the operating system through the ports only.

#include <functional>
#include <string>

#include "base/vb_error.h"
#include "platform/command_set.h"
#include "platform/dialogs.h"
#include "platform/file_locks.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/profile_files.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/settings.h"
#include "platform/staged_file_system.h"

namespace verbsmith {

struct Host {
  FileSystem& fs;
  Registry& registry;
  ProfileFiles& profiles;
  Settings& settings;
  Processes& processes;
  Dialogs& dialogs;
  Screen& screen;
  CommandSetFactory& commandSets;
  // The session's current error (Visual Basic's Err).
  ErrObject& err;
  // Where the add-in's own files live (Templates, help), Windows form, with
  // a trailing backslash.
  std::string addInDirectory;
  // The template directory, Windows form with a trailing backslash: the
  // add-in directory's "Templates" unless configured otherwise.
  std::string templateDirectory;
  // The layer of fs that holds a Finish's files until all of them are made
  // (fs itself, passing calls through otherwise); none in hosts without one.
  StagedFileSystem* staging = nullptr;
  // Where a Finish keeps what undoes it until it is done, Windows form with
  // a trailing backslash; empty: the Finish keeps nothing on disk.
  std::string journalDirectory;
  // Whether a Finish is still at work, on a project or on its journal; a
  // journal is kept only where there are locks to tell.
  FileLocks* locks = nullptr;
  // Set for a dry run: a Finish hands the plan of what it would do here,
  // as JSON and as lines of text, and changes nothing.
  std::function<void(const std::string& json, const std::string& text)> finishPreview;

  // This host with one port replaced.
  Host With(FileSystem& other) const { return Replacing(other, processes, dialogs, settings); }
  Host With(Processes& other) const { return Replacing(fs, other, dialogs, settings); }
  Host With(Dialogs& other) const { return Replacing(fs, processes, other, settings); }
  Host With(Settings& other) const { return Replacing(fs, processes, dialogs, other); }

 private:
  Host Replacing(FileSystem& files, Processes& processesPort, Dialogs& dialogsPort,
                 Settings& settingsPort) const;
};

}  // namespace verbsmith

#pragma once
// The ports of a real run on this machine: the POSIX file system, registry,
// profile files, settings, processes and command set, with scripted dialogs
// and a fixed screen for headless runs. Owns them all and exposes them as
// one Host.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/posix/data_layout.h"
#include "platform/posix/host_ide.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/load_posix_registry.h"
#include "platform/posix/posix_file_locks.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/session_events.h"

namespace verbsmith::app {

// Takes back every Finish that a process ended before it completed, saying
// so on standard error. Run at each start, before anything else.
void UndoInterruptedFinishes();

// Where this executable finds its own files (see platform/posix/data_layout.h).
DataLayout DataLayoutOfThisProcess();

class PosixPlatform {
 public:
  // Message boxes and other dialogs are told to `events`. Reads
  // the registry files; one that cannot be read is left out with a
  // "registry warning" line on standard error and a warning in `events`.
  explicit PosixPlatform(SessionEvents& events);
  // The same with the desktop's dialogs and screen in place of the scripted
  // ones (Dialogs() then serves nobody).
  PosixPlatform(SessionEvents& events, verbsmith::Dialogs& dialogs, verbsmith::Screen& screen);
  PosixPlatform(const PosixPlatform&) = delete;
  PosixPlatform& operator=(const PosixPlatform&) = delete;

  Host& GetHost() { return host_; }
  // The development environment the add-in is connected to.
  Ide& GetIde() { return *ide_; }
  ScriptedDialogs& Dialogs() { return dialogs_; }
  FixedScreen& Screen() { return screen_; }
  PosixRegistry& Registry() { return *registry_.registry; }
  // Adds a registration file (regedit form) to the registry, as compiling
  // the project it describes would.
  void LoadRegistration(const std::string& path) { Registry().LoadFile(files_.HostPath(path)); }
  // Where this user's files live, as "label:" and place, for `verbsmith info`.
  std::vector<std::pair<std::string, std::string>> WhereThingsLive();
  // How this executable finds its own files, and where they are.
  std::string OwnFiles();
  // The registry files left out, and why.
  const std::vector<RegistryFileProblem>& RegistryProblems() const { return registry_.problems; }

  // Makes the runs of this platform dry runs: a Finish hands its plan to
  // preview and changes nothing.
  void StartDryRun(std::function<void(const std::string& json, const std::string& text)> preview);

  // Reads and writes the command set in this database, not the one the
  // environment names.
  void UseCommandSet(const std::string& databasePath);

  // A directory given on the command line (host path, or Windows form) as
  // the product names it, with a trailing backslash.
  std::string ProductDirectory(const std::string& directory);
  // A file given on the command line as the product names it.
  std::string ProductPath(const std::string& path);

 private:
  PosixFileSystem files_;
  PosixFileLocks locks_{files_};
  // Passes every call through but while a Finish holds its files.
  StagedFileSystem staged_{files_, false};
  LoadedRegistry registry_;
  IniProfileFiles profiles_{staged_};
  IniSettings settings_;
  PosixProcesses processes_;
  ScriptedDialogs dialogs_;
  FixedScreen screen_;
  SqliteCommandSetFactory commandSets_;
  ErrObject err_;
  Host host_;
  std::unique_ptr<HostIde> ide_ = MakeHostIde(host_.fs, host_.processes);
};

}  // namespace verbsmith::app

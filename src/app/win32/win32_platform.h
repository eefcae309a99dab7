#pragma once
// The ports of a real run on Windows: the Windows file system, registry,
// settings and processes, the command set in the same SQLite file format as
// on Linux, with scripted dialogs and a fixed screen for headless runs.
// Profile files are written through the file system port, so that a Finish
// holds them with its other files until it completes.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/posix/host_ide.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/session_events.h"
#include "platform/win32/win32_file_locks.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings.h"

namespace verbsmith::app {

// Takes back every Finish that a process ended before it completed, saying
// so on standard error. Run at each start, before anything else.
void UndoInterruptedFinishes();

// Standard output and error carry the product's bytes unchanged (UTF-8
// text with the line ends it writes), as on Linux.
void PrepareStandardStreams();

class Win32Platform {
 public:
  explicit Win32Platform(SessionEvents& events) : Win32Platform(events, nullptr, nullptr) {}
  // With the dialogs a person answers and the screen the windows are on.
  Win32Platform(SessionEvents& events, verbsmith::Dialogs& dialogs, verbsmith::Screen& screen)
      : Win32Platform(events, &dialogs, &screen) {}
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Host& GetHost() { return host_; }
  // The development environment the add-in is connected to.
  Ide& GetIde() { return *ide_; }
  ScriptedDialogs& Dialogs() { return dialogs_; }
  FixedScreen& Screen() { return screen_; }

  // Adds a registration file (regedit form) to the registry, as compiling
  // the project it describes would: the system's reg import.
  void LoadRegistration(const std::string& path);

  // Where this user's files live, as "label:" and place, for `verbsmith info`.
  std::vector<std::pair<std::string, std::string>> WhereThingsLive();
  // How this executable finds its own files, and where they are.
  std::string OwnFiles();

  // Makes the runs of this platform dry runs: a Finish hands its plan to
  // preview and changes nothing.
  void StartDryRun(std::function<void(const std::string& json, const std::string& text)> preview);

  // Reads and writes the command set in this database, not the one the
  // environment names.
  void UseCommandSet(const std::string& databasePath);

  // A directory given on the command line as the product names it: a full
  // path with a trailing backslash.
  std::string ProductDirectory(const std::string& directory);
  // A file given on the command line as the product names it.
  std::string ProductPath(const std::string& path);

 private:
  Win32Platform(SessionEvents& events, verbsmith::Dialogs* dialogs, verbsmith::Screen* screen);

  Win32FileSystem files_;
  Win32FileLocks locks_{files_};
  // Passes every call through but while a Finish holds its files.
  StagedFileSystem staged_{files_, false};
  Win32Registry registry_;
  IniProfileFiles profiles_{staged_};
  Win32Settings settings_;
  Win32Processes processes_;
  ScriptedDialogs dialogs_;
  FixedScreen screen_;
  SqliteCommandSetFactory commandSets_;
  ErrObject err_;
  Host host_;
  std::unique_ptr<HostIde> ide_ = MakeHostIde(host_.fs, host_.processes);
};

}  // namespace verbsmith::app

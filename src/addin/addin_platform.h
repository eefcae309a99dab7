#pragma once
// The ports of the add-in inside the environment's process: the Windows file
// system, registry, profile files, settings, processes and screen, the
// command set, and the environment's message boxes and dialogs.
//
// A scripted session: with VERBSMITH_ADDIN_TRANSCRIPT naming a file, the
// dialogs are answered instead of shown and what a person would have seen
// is appended to that file; VERBSMITH_ADDIN_SCRIPT then names the script
// whose actions and answers drive the wizard, as in a headless run.

#include <fstream>
#include <memory>
#include <string>

#include "forms/forms_runtime.h"
#include "forms/script/script_action_source.h"
#include "platform/host.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_profile_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_settings.h"

namespace verbsmith::addin {

class AddInPlatform {
 public:
  // addInDirectory: where the DLL is, Windows form with a trailing backslash.
  explicit AddInPlatform(const std::string& addInDirectory);
  ~AddInPlatform();
  AddInPlatform(const AddInPlatform&) = delete;
  AddInPlatform& operator=(const AddInPlatform&) = delete;

  Host& GetHost() { return *host_; }
  forms::FormsRuntime& Runtime() { return *runtime_; }

 private:
  std::ofstream transcriptFile_;
  std::unique_ptr<SessionEvents> events_;
  Win32FileSystem files_;
  Win32Registry registry_;
  Win32ProfileFiles profiles_;
  Win32Settings settings_;
  Win32Processes processes_;
  Win32Screen screen_;
  std::unique_ptr<ScriptedDialogs> scriptedDialogs_;
  Win32Dialogs windowsDialogs_;
  SqliteCommandSetFactory commandSets_;
  ErrObject err_;
  std::unique_ptr<Host> host_;
  std::unique_ptr<forms::ScriptActionSource> script_;
  std::unique_ptr<forms::FormsRuntime> runtime_;
};

}  // namespace verbsmith::addin

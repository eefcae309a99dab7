#pragma once
// A Host for tests of file operations: FileHost has the real POSIX file
// system and processes, MemoryHost a file system in memory and processes
// that run nothing. Both have the real registry, scripted dialogs that
// record every message box, and inert other ports. A test that needs one
// port of its own takes `With(port)`.
//
//   test::MemoryHost env;
//   env.registry.LoadFile(fixturePath);
//   Host host = env.With(fakeProcesses);

#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/transcript.h"
#include "support/fake_processes.h"
#include "support/memory_file_system.h"

namespace verbsmith::test {

template <typename Files, typename ProcessesPort>
class BasicFileHost {
 public:
  // templateDirectory: Windows form with a trailing backslash.
  explicit BasicFileHost(std::string templateDirectory = "")
      : host{.fs = files,
             .registry = registry,
             .profiles = profiles,
             .settings = settings,
             .processes = processes,
             .dialogs = dialogs,
             .screen = screen,
             .commandSets = commandSets,
             .err = err,
             .addInDirectory = "",
             .templateDirectory = std::move(templateDirectory),
             .staging = nullptr,
             .journalDirectory = "",
             .finishPreview = {}} {}
  BasicFileHost(const BasicFileHost&) = delete;
  BasicFileHost& operator=(const BasicFileHost&) = delete;

  // This host with one port replaced; the other ports stay this object's.
  template <typename Port>
  Host With(Port& other) const {
    return host.With(other);
  }

  // The prompts of the message boxes shown so far.
  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const auto& box : dialogs.MessageBoxes()) prompts.push_back(box.prompt);
    return prompts;
  }

  class NoCommandSets : public CommandSetFactory {
   public:
    std::unique_ptr<CommandSet> Create() override {
      throw VbError(vberr::kCannotCreateObject, "Test", "No command set here");
    }
  };

  Files files;
  PosixRegistry registry;
  IniProfileFiles profiles{files};
  IniSettings settings{files, "Z:\\nonexistent\\settings.ini"};
  ProcessesPort processes;
  StringTranscript transcript;
  ScriptedDialogs dialogs{transcript};
  FixedScreen screen;
  NoCommandSets commandSets;
  ErrObject err;
  Host host;
};

using FileHost = BasicFileHost<PosixFileSystem, PosixProcesses>;
using MemoryHost = BasicFileHost<MemoryFileSystem, FakeProcesses>;

}  // namespace verbsmith::test

#pragma once
// The development environment as this host models it: a version, the
// environment's executable path, command bars whose buttons raise Click
// events, and projects loaded from .vbp files with their components. A
// loaded project can also be handed to an external editor or IDE command.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ide.h"
#include "platform/processes.h"

namespace verbsmith {

struct HostIdeOptions {
  std::string version = "6.0";
  // Windows-form path of the environment's executable (its directory is
  // where the resource compiler is looked for first).
  std::string fullName = "C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE";
  // Program and leading arguments of an external command that opens each
  // loaded project; the project's host path is appended. Empty: none.
  std::vector<std::string> ideCommand;
  // The environment may mark a project changed while loading it.
  bool loadMarksDirty = false;
};

class HostIde : public Ide {
 public:
  HostIde(FileSystem& fs, Processes& processes, HostIdeOptions options = {});
  ~HostIde() override;

  std::string Version() const override { return options_.version; }
  std::string FullName() const override { return options_.fullName; }
  CommandBar* FindCommandBar(const std::string& name) override;
  std::unique_ptr<CommandBarEvents> CommandBarEventsFor(CommandBarControl& control) override;
  void ClickControl(CommandBarControl& control) override;
  // Reads the project file (a missing or unreadable file throws its
  // VbError) and makes it the active project.
  void LoadProject(const std::string& path, bool flag) override;
  IdeProject& ActiveProject() override;

  // Adds a command bar; the "Add-Ins" bar exists from the start.
  CommandBar& AddCommandBar(const std::string& name);
  void RemoveCommandBar(const std::string& name);
  bool HasActiveProject() const { return activeProject_ != nullptr; }

 private:
  class Bar;
  class Control;
  class Events;
  class Project;
  class Component;

  FileSystem& fs_;
  Processes& processes_;
  HostIdeOptions options_;
  std::map<std::string, std::unique_ptr<Bar>> bars_;
  // Click subscribers per control; an events object that is gone drops out.
  std::map<const CommandBarControl*, std::vector<std::weak_ptr<std::function<void()>>>> clickHandlers_;
  std::unique_ptr<Project> activeProject_;
};

// A HostIde configured from the environment: VERBSMITH_IDE_COMMAND (program
// and arguments separated by blanks) names the external command, and
// VERBSMITH_IDE_VERSION and VERBSMITH_IDE_EXE override the version and the
// executable's path.
std::unique_ptr<HostIde> MakeHostIde(FileSystem& fs, Processes& processes);

}  // namespace verbsmith

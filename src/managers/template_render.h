#pragma once
// Creating one command project from a template directory, driving the real
// managers through the create flow's file steps. Used to check templates.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/staged_file_system.h"

namespace verbsmith {

// The answers that switch template code, and the names and texts the
// project gets.
struct RenderOptions {
  bool commandIsModeless = false;
  bool formNotRequired = false;
  int16_t formPosition = 0;
  bool isMapViewListener = false;
  bool customEnabling = false;
  bool customStartup = false;
  std::string commandName = "SampleCommand";
  std::string projectName = "SampleProject";
  std::string description = "Sample \"quoted\" description";
  std::string toolTip = "Sample \"tip\"";

  std::string FormName() const { return formNotRequired ? std::string() : "frm" + commandName; }
  std::string ModuleName() const { return commandName + "1"; }
  std::string ProjectDesc() const { return "Command:  " + toolTip; }
  // One line naming the switches, for messages.
  std::string Describe() const;
};

// What a render came to: the messages the managers met on the way, in the
// order met, and whether every file was made.
struct RenderOutcome {
  std::vector<std::string> messages;
  bool succeeded = true;
};

// Makes projectDir's src and bin directories when missing, copies the
// templates of templateDir into src and rewrites them as the create flow
// does: module, class, form, project file. Both directories are Windows
// form with a trailing backslash. Everything is made in staged, where it
// stays until committed. A step that met anything to say has not made
// what was asked.
RenderOutcome RenderInto(Host& host, StagedFileSystem& staged, const RenderOptions& options,
                         const std::string& templateDir, const std::string& projectDir);

// RenderInto, and when every step succeeded, each finished file put in
// place at once: an interrupted render leaves each file old or new, never
// a raw template. A failed render changes nothing; a failed commit fails
// it with its message.
RenderOutcome RenderCommand(Host& host, const RenderOptions& options, const std::string& templateDir,
                            const std::string& projectDir);

}  // namespace verbsmith

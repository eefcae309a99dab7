#pragma once
// The subcommands of the verbsmith executable. Each takes the arguments after
// its own name and returns the process's exit status.

#include <string>
#include <vector>

namespace verbsmith::app {

using Args = std::vector<std::string>;

int RunWizard(const Args& args);  // run [SCRIPT]: the wizard, headless
int RunGui(const Args& args);     // gui [--record FILE]: the wizard in a window
// Whether the window is built in and a display is there to show it on.
bool WindowWanted();
int RunInfo(const Args& args);       // info: version and what the platform found
int RunTemplates(const Args& args);  // templates check|render
int RunCommands(const Args& args);   // commands list|show|remove
int RunDemo(const Args& args);       // demo [--edit] [DIR]: a real project on the shipped answers

}  // namespace verbsmith::app

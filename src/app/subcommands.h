#pragma once
// The commands of the verbsmith executable. Each registers itself, with its
// options, help and body, on the executable's command line.

#include <CLI/CLI.hpp>

namespace verbsmith::app {

void AddRunCommand(CLI::App& app);        // run [SCRIPT|-]: the wizard, headless
void AddGuiCommand(CLI::App& app);        // gui [--record FILE]: the wizard in a window
void AddDemoCommand(CLI::App& app);       // demo [--edit] [DIR]: a real project on the shipped answers
void AddInfoCommand(CLI::App& app);       // info: version and what the platform found
void AddTemplatesCommand(CLI::App& app);  // templates check|render
void AddCommandsCommand(CLI::App& app);   // commands list|show|add|remove
void AddNewCommand(CLI::App& app);        // new: a wizard run on answers
void AddCheckCommand(CLI::App& app);      // check PROJECT_DIR: what drifted since Finish

// verbsmith without a command: the wizard in its window when one can be
// shown, else headless on the built-in script.
int RunWizard();
int RunGui();
// Whether the window is built in and a display is there to show it on.
bool WindowWanted();

}  // namespace verbsmith::app

#pragma once
// The commands of the verbsmith executable. Each registers itself, with its
// options, help and body, on the executable's command line.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace verbsmith::app {

void AddRunCommand(CLI::App& app);        // run [SCRIPT|-]: the wizard, headless
void AddGuiCommand(CLI::App& app);        // gui [--record FILE]: the wizard in a window
void AddDemoCommand(CLI::App& app);       // demo [--edit] [DIR]: a real project on the shipped answers
void AddInfoCommand(CLI::App& app);       // info: version and what the platform found
void AddTemplatesCommand(CLI::App& app);  // templates check|render
void AddCommandsCommand(CLI::App& app);   // commands list|show|add|remove
void AddNewCommand(CLI::App& app);        // new: a wizard run on answers
void AddCheckCommand(CLI::App& app);      // check PROJECT_DIR: what drifted since Finish

int RunGui();
// Why no window can be shown (not built in, no display, a display that
// cannot be opened), or nullopt when one can.
std::optional<std::string> WhyNoWindow();

}  // namespace verbsmith::app

// The gui subcommand of a verbsmith built without Qt 6: it says so.

#include <cstdio>

#include "app/cli.h"
#include "app/subcommands.h"

namespace verbsmith::app {

std::optional<std::string> WhyNoWindow() {
  return "this verbsmith was built without its window";
}

int RunGui() {
  std::fputs(
      "verbsmith gui: this verbsmith was built without its window (Qt 6 was not found); "
      "`verbsmith run` runs the wizard without one\n",
      stderr);
  return 2;
}

void AddGuiCommand(CLI::App& app) {
  CLI::App& gui = *app.add_subcommand("gui", "Opens the wizard in a window (not built into this verbsmith)");
  gui.allow_extras();
  OnRun(gui, RunGui);
}

}  // namespace verbsmith::app

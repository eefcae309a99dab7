// verbsmith gui [--record FILE] [--check]: the wizard in a window. What a
// person would see is printed as `verbsmith run` prints it; with --record
// the session is written as a script that `verbsmith run FILE` replays.

#include <memory>

#include "app/cli.h"
#include "app/gui_options.h"
#include "app/subcommands.h"

namespace verbsmith::app {

int RunGui() {
  return RunGuiWith({});
}

void AddGuiCommand(CLI::App& app) {
  CLI::App& gui = *app.add_subcommand(
      "gui", "Opens the wizard in a window and prints what happens, as `verbsmith run` does");
  auto options = std::make_shared<GuiOptions>();
  gui.add_option("--record", options->recordFile,
                 "Writes the session as a script; `verbsmith run FILE` replays it")
      ->type_name("FILE");
  gui.add_flag("--check", options->check,
               "Closes the window as soon as it has been drawn (a start-up check: exit status 1 when it\n"
               "was not drawn or has no icon)");
  OnRun(gui, [options] { return RunGuiWith(*options); });
}

}  // namespace verbsmith::app

// The gui command of verbsmith.exe. The window is not built on Windows yet,
// so the command says so; `verbsmith run` runs the wizard without one.

#include <cstdio>
#include <optional>
#include <string>

#include "app/gui_options.h"
#include "app/subcommands.h"

namespace verbsmith::app {

std::optional<std::string> WhyNoWindow() {
  return std::string("the window is not built on Windows");
}

int RunGuiWith(const GuiOptions&) {
  std::fprintf(stderr, "verbsmith gui: %s; `verbsmith run` runs the wizard without one\n",
               WhyNoWindow()->c_str());
  return 2;
}

}  // namespace verbsmith::app

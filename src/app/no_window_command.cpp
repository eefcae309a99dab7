// The gui subcommand of a verbsmith built without Qt 6: it says so.

#include <cstdio>

#include "app/subcommands.h"

namespace verbsmith::app {

bool WindowWanted() {
  return false;
}

int RunGui(const Args&) {
  std::fputs(
      "verbsmith gui: this verbsmith was built without its window (Qt 6 was not found); "
      "`verbsmith run` runs the wizard without one\n",
      stderr);
  return 2;
}

}  // namespace verbsmith::app

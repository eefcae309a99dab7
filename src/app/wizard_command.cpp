#include <cstdio>

#include "app/subcommands.h"

namespace verbsmith::app {

int RunWizard(const Args&) {
  std::fputs("verbsmith: this command is not available yet\n", stderr);
  return 2;
}

}  // namespace verbsmith::app

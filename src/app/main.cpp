// verbsmith: the Carthex Verbsmith wizard and its tools.

#include <cstdio>
#include <exception>
#include <string>

#include "app/posix_platform.h"
#include "app/subcommands.h"
#include "base/vb_error.h"

namespace {

constexpr const char* kUsage =
    "usage: verbsmith [gui [--record FILE] | run [SCRIPT] | demo [--edit] [DIR] | info |\n"
    "                  templates check [DIR] | templates render ... | commands list|show|remove ...]\n"
    "With no arguments, opens the wizard's window when a display is present, else runs\n"
    "the wizard headless on its built-in script.\n";

int Dispatch(const verbsmith::app::Args& args) {
  using namespace verbsmith::app;
  if (args.empty()) return WindowWanted() ? RunGui({}) : RunWizard({});
  const std::string& command = args.front();
  const Args rest(args.begin() + 1, args.end());
  if (command == "run") return RunWizard(rest);
  if (command == "gui") return RunGui(rest);
  if (command == "info") return RunInfo(rest);
  if (command == "templates") return RunTemplates(rest);
  if (command == "commands") return RunCommands(rest);
  if (command == "demo") return RunDemo(rest);
  if (command == "-h" || command == "--help" || command == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fprintf(stderr, "verbsmith: unknown command '%s'\n%s", command.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    verbsmith::app::UndoInterruptedFinishes();
    return Dispatch(verbsmith::app::Args(argv + 1, argv + argc));
  } catch (const verbsmith::VbError& e) {
    std::fprintf(stderr, "verbsmith: error %d (%s): %s\n", e.Number(), e.Source().c_str(),
                 e.Description().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "verbsmith: %s\n", e.what());
  }
  return 1;
}

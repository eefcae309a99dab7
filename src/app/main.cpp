// verbsmith: the Carthex Verbsmith wizard and its tools.

#include <cstdio>
#include <exception>
#include <memory>

#include "app/cli.h"
#include "app/help_formatter.h"
#include "app/subcommands.h"
#include "base/vb_error.h"
#include "host_platform.h"

int main(int argc, char** argv) {
  using namespace verbsmith::app;
  CLI::App app(
      "Carthex Verbsmith: the wizard that creates and maintains Carthex command projects.\n"
      "With no command, opens the wizard's window when a display can be opened.",
      "verbsmith");
  // Set first: each command takes its parser's formatter when it is added.
  app.formatter(std::make_shared<HelpFormatter>(HelpWidth(HostProcesses().GetEnv("COLUMNS"))));
  app.require_subcommand(0, 1);
  // Options are spelt the same on every host: an argument such as /tmp/x is
  // a path under Wine too, never a Windows-style option.
  app.allow_windows_style_options(false);
  app.set_version_flag("-V,--version", "Carthex Verbsmith " VERBSMITH_VERSION, "Prints the version");
  AddHelpCommand(app);
  AddRunCommand(app);
  AddGuiCommand(app);
  AddDemoCommand(app);
  AddInfoCommand(app);
  AddTemplatesCommand(app);
  AddCommandsCommand(app);
  AddNewCommand(app);
  AddCheckCommand(app);
  PrepareStandardStreams();
  try {
    UndoInterruptedFinishes();
    return RunCommandLine(app, argc, argv, [&app] {
      const std::optional<std::string> why = WhyNoWindow();
      if (!why) return RunGui();
      // Nothing to show the wizard on: say why, and what can be done here.
      std::fprintf(stderr, "verbsmith: no window (%s)\n\n", why->c_str());
      std::fputs(app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal).c_str(),
                 stdout);
      std::fputs("\nTry `verbsmith demo` for a demo command project, made without a window.\n", stdout);
      return 0;
    });
  } catch (const verbsmith::VbError& e) {
    std::fprintf(stderr, "verbsmith: error %d (%s): %s\n", e.Number(), e.Source().c_str(),
                 e.Description().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "verbsmith: %s\n", e.what());
  }
  return 1;
}

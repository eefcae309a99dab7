#include "app/cli.h"

#include <cstdio>
#include <utility>

#include "app/command_set_format.h"

namespace verbsmith::app {

void OnRun(CLI::App& command, std::function<int()> body) {
  command.callback([body = std::move(body)] {
    // CLI11 carries a status other than 0 out of the parse as a RuntimeError.
    if (const int status = body(); status != 0) throw CLI::RuntimeError(status);
  });
}

void RefuseUsage(const std::string& problem) {
  throw CLI::ValidationError(problem);
}

CLI::Validator Int32Number() {
  return CLI::Validator(
      [](const std::string& text) {
        return ParseInt32(text) ? std::string() : "needs a whole 32-bit number, such as 41001 or -1";
      },
      "INT32");
}

namespace {

// "verbsmith commands list": the command the parse had reached.
std::string CommandPath(const CLI::App& app) {
  std::string path = app.get_name();
  for (const CLI::App* at = &app; !at->get_subcommands().empty();) {
    at = at->get_subcommands().front();
    path += " " + at->get_name();
  }
  return path;
}

}  // namespace

int RunCommandLine(CLI::App& app, int argc, const char* const* argv,
                   const std::function<int()>& withoutCommand) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::RuntimeError& done) {
    return done.get_exit_code();
  } catch (const CLI::Success& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& mistake) {
    const std::string command = CommandPath(app);
    std::fprintf(stderr, "%s: %s\nRun '%s --help' for usage.\n", command.c_str(), mistake.what(),
                 command.c_str());
    return kExitUsage;
  }
  return app.get_subcommands().empty() ? withoutCommand() : 0;
}

}  // namespace verbsmith::app

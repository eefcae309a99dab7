#include "app/cli.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/command_set_format.h"
#include "base/nearest_name.h"

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

// The command the parse had reached: the last one named.
const CLI::App& Reached(const CLI::App& app) {
  const CLI::App* at = &app;
  while (!at->get_subcommands().empty()) at = at->get_subcommands().front();
  return *at;
}

// "verbsmith commands list": the path of names down to the command.
std::string CommandPath(const CLI::App& command) {
  std::string path = command.get_name();
  for (const CLI::App* at = command.get_parent(); at != nullptr; at = at->get_parent()) {
    path = at->get_name() + " " + path;
  }
  return path;
}

std::vector<std::string> SubcommandNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::App* sub : command.get_subcommands({})) names.push_back(sub->get_name());
  return names;
}

std::string DidYouMean(const std::string& typed, const std::vector<std::string>& names) {
  const std::optional<std::string> meant = NearestName(typed, names);
  return meant ? "; did you mean `" + *meant + "`?" : "";
}

// What the parser could not place, said plainly: the first word left over
// is an unknown option, an unknown command, or one argument too many.
std::optional<std::string> UnplacedWord(const CLI::App& command) {
  const std::vector<std::string> left = command.remaining();
  if (left.empty()) return std::nullopt;
  const std::string& word = left.front();
  if (word.size() > 1 && word.front() == '-') {
    const std::string option = word.substr(0, word.find('='));
    std::vector<std::string> names;
    for (const CLI::Option* known : command.get_options()) {
      for (const std::string& name : known->get_lnames()) names.push_back("--" + name);
      for (const std::string& name : known->get_snames()) names.push_back("-" + name);
    }
    return "unknown option \"" + option + "\"" + DidYouMean(option, names);
  }
  if (const std::vector<std::string> commands = SubcommandNames(command); !commands.empty()) {
    return "unknown command \"" + word + "\"" + DidYouMean(word, commands);
  }
  return "unexpected argument \"" + word + "\"";
}

}  // namespace

void AddHelpCommand(CLI::App& app) {
  CLI::App& help = *app.add_subcommand("help", "Prints the help of a command, as its --help does");
  // It is left out of the list: "verbsmith --help" is the way shown.
  help.group("");
  auto words = std::make_shared<std::vector<std::string>>();
  help.add_option("COMMAND", *words, "The command, e.g. new or commands list");
  OnRun(help, [&app, words] {
    const CLI::App* command = &app;
    for (const std::string& word : *words) {
      const CLI::App* found = nullptr;
      for (const CLI::App* sub : command->get_subcommands({})) {
        if (sub->get_name() == word) found = sub;
      }
      if (found == nullptr) {
        RefuseUsage("unknown command \"" + word + "\"" + DidYouMean(word, SubcommandNames(*command)));
      }
      command = found;
    }
    std::fputs(
        app.get_formatter()->make_help(command, CommandPath(*command), CLI::AppFormatMode::Normal).c_str(),
        stdout);
    return 0;
  });
}

int RunCommandLine(CLI::App& app, int argc, const char* const* argv,
                   const std::function<int()>& withoutCommand) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::RuntimeError& done) {
    return done.get_exit_code();
  } catch (const CLI::Success& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& mistake) {
    const CLI::App& reached = Reached(app);
    const std::string command = CommandPath(reached);
    const std::string problem = UnplacedWord(reached).value_or(mistake.what());
    std::fprintf(stderr, "%s: %s\nRun '%s --help' for usage.\n", command.c_str(), problem.c_str(),
                 command.c_str());
    return kExitUsage;
  }
  return app.get_subcommands().empty() ? withoutCommand() : 0;
}

}  // namespace verbsmith::app

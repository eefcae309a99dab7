// verbsmith commands: list, show, add and remove the entries of a command set.

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/command_set_format.h"
#include "app/subcommands.h"
#include "base/vb_error.h"
#include "platform/posix/sqlite_command_set.h"

namespace verbsmith::app {

namespace {

constexpr const char* kCommandsUsage =
    "usage: verbsmith commands list --company C --application A [--json] [--db PATH]\n"
    "       verbsmith commands show PROGID|--id N --company C --application A [--json] [--db PATH]\n"
    "       verbsmith commands add PROGID --company C --application A [--FIELD VALUE ...] [--db PATH]\n"
    "       verbsmith commands remove PROGID --company C --application A [--db PATH]\n"
    "The command set is the database named by --db, else by VERBSMITH_COMMAND_SET, else\n"
    "$XDG_DATA_HOME/carthex-verbsmith/commandset.db.  Fields for add:";

// The usage with the field options of add, a few to a line.
std::string Usage() {
  std::string text = kCommandsUsage;
  std::size_t lineLength = text.size() - text.rfind('\n');
  for (const CommandField& field : kCommandFields) {
    if (field.option == "prog-id") continue;
    const std::string option = " --" + std::string(field.option);
    if (lineLength + option.size() > 96) {
      text += "\n";
      lineLength = 0;
    }
    text += option;
    lineLength += option.size();
  }
  return text + "\n";
}

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  bool json = false;
};

int UsageError(const std::string& message) {
  std::fprintf(stderr, "verbsmith commands: %s\n%s", message.c_str(), Usage().c_str());
  return kExitUsage;
}

int Failure(const std::string& message) {
  std::fprintf(stderr, "verbsmith commands: %s\n", message.c_str());
  return kExitFailure;
}

// Options are --name VALUE or --name=VALUE, anywhere after the subcommand;
// "--" ends them. Gives the error text, or nullopt when all went well.
std::optional<std::string> Parse(const Args& args, ParsedArgs& parsed) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      if (arg == "--") {
        optionsEnded = true;
        continue;
      }
      parsed.positional.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> value;
    if (const size_t eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (name == "json") {
      if (value) return "--json takes no value";
      parsed.json = true;
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size()) return "--" + name + " needs a value";
      value = args[++i];
    }
    if (parsed.options.count(name) != 0) return "--" + name + " given twice";
    parsed.options[name] = *value;
  }
  return std::nullopt;
}

std::optional<std::string> CheckOptions(const ParsedArgs& parsed, const std::set<std::string>& allowed,
                                        bool jsonAllowed) {
  for (const auto& [name, value] : parsed.options) {
    if (allowed.count(name) == 0) return "unknown option --" + name;
  }
  if (parsed.json && !jsonAllowed) return "--json is not an option of this command";
  for (const char* required : {"company", "application"}) {
    if (parsed.options.count(required) == 0) return std::string("--") + required + " is required";
  }
  // Numbers are checked before the database is opened, so a mistyped
  // command never creates or touches it.
  for (const auto& [name, value] : parsed.options) {
    const CommandField* field = FindCommandFieldByOption(name);
    if ((name == "id" || (field != nullptr && field->number != nullptr)) && !ParseInt32(value)) {
      return "--" + name + " needs a whole 32-bit number, such as " + (name == "id" ? "41001" : "-1");
    }
  }
  return std::nullopt;
}

std::vector<ListedCommand> ListAll(CommandSet& set) {
  std::vector<ListedCommand> commands;
  const int16_t count = set.CommandCount();
  for (int32_t i = 0; i < count; ++i) {
    const int32_t id = kFirstCommandId + i;
    const int16_t index = set.FindCommand(id);
    if (index < 0) continue;
    commands.push_back({id, index, set.GetCommand(index)});
  }
  return commands;
}

std::optional<ListedCommand> FindByProgId(CommandSet& set, const std::string& progId) {
  for (ListedCommand& command : ListAll(set)) {
    if (command.entry.progId == progId) return command;
  }
  return std::nullopt;
}

int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Failure("cannot write the output");
  return 0;
}

int List(CommandSet& set, const ParsedArgs& parsed) {
  const std::vector<ListedCommand> commands = ListAll(set);
  return Print(parsed.json ? FormatCommandListJson(parsed.options.at("company"),
                                                   parsed.options.at("application"), commands)
                           : FormatCommandListText(commands));
}

int Show(CommandSet& set, const ParsedArgs& parsed) {
  const auto idOption = parsed.options.find("id");
  std::optional<ListedCommand> command;
  if (idOption != parsed.options.end()) {
    const int32_t id = ParseInt32(idOption->second).value_or(0);
    const int16_t index = set.FindCommand(id);
    if (index < 0) return Failure("there is no command with the identifier " + idOption->second);
    command = ListedCommand{id, index, set.GetCommand(index)};
  } else {
    command = FindByProgId(set, parsed.positional.front());
    if (!command) return Failure("there is no command " + parsed.positional.front() + " in the command set");
  }
  return Print(parsed.json ? FormatCommandJson(*command) : FormatCommandText(*command));
}

int Add(CommandSet& set, const ParsedArgs& parsed) {
  CommandEntry entry;
  entry.progId = parsed.positional.front();
  for (const auto& [name, value] : parsed.options) {
    const CommandField* field = FindCommandFieldByOption(name);
    if (field == nullptr || field->option == "prog-id") continue;
    if (field->number != nullptr) {
      entry.*field->number = ParseInt32(value).value_or(0);
    } else {
      entry.*field->text = value;
    }
  }
  set.AddCommand(entry);
  const std::optional<ListedCommand> added = FindByProgId(set, entry.progId);
  return Print(added ? FormatCommandListText({*added}) : std::string());
}

int Remove(CommandSet& set, const ParsedArgs& parsed) {
  set.RemoveCommand(parsed.positional.front());
  return Print("Removed " + parsed.positional.front() + ".\n");
}

}  // namespace

int RunCommands(const Args& args) {
  if (args.empty()) return UsageError("which command: list, show, add or remove?");
  const std::string& sub = args.front();
  if (sub == "-h" || sub == "--help" || sub == "help") {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  ParsedArgs parsed;
  if (auto error = Parse(Args(args.begin() + 1, args.end()), parsed)) return UsageError(*error);

  std::set<std::string> allowed = {"company", "application", "db"};
  bool jsonAllowed = false;
  int (*run)(CommandSet&, const ParsedArgs&) = nullptr;
  if (sub == "list") {
    run = List;
    jsonAllowed = true;
  } else if (sub == "show") {
    run = Show;
    jsonAllowed = true;
    allowed.insert("id");
  } else if (sub == "add") {
    run = Add;
    for (const CommandField& field : kCommandFields) {
      if (field.option != "prog-id") allowed.insert(std::string(field.option));
    }
  } else if (sub == "remove") {
    run = Remove;
  } else {
    return UsageError("unknown command '" + sub + "'");
  }
  if (auto error = CheckOptions(parsed, allowed, jsonAllowed)) return UsageError(*error);
  const size_t wanted = sub == "list" || parsed.options.count("id") != 0 ? 0 : 1;
  if (parsed.positional.size() != wanted) {
    return UsageError(sub == "list"   ? "list takes no arguments"
                      : sub == "show" ? "show takes one PROGID or --id N"
                                      : sub + " takes one PROGID");
  }

  const auto db = parsed.options.find("db");
  if (db != parsed.options.end() && db->second.empty()) return UsageError("--db needs a path");
  const std::string path = db != parsed.options.end() ? db->second : CommandSetPathFromEnvironment();
  try {
    SqliteCommandSetFactory factory(path);
    const std::unique_ptr<CommandSet> set = factory.Create();
    set->OpenCommandSet(parsed.options.at("company"), parsed.options.at("application"));
    return run(*set, parsed);
  } catch (const VbError& e) {
    return Failure(e.Description());
  }
}

}  // namespace verbsmith::app

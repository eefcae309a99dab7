// verbsmith commands: list, show, add and remove the entries of a command set.

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/command_set_format.h"
#include "app/subcommands.h"
#include "base/identifier.h"
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

int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Failure("cannot write the output");
  return 0;
}

// Rows past the 16-bit count are not the wizard's to see, but the user
// should know they are there.
void ReportRowsBeyondTheCount(int64_t rows, int64_t listed) {
  if (rows == listed) return;
  std::fprintf(stderr,
               "verbsmith commands: the command set holds %lld entries beyond the %d the count can "
               "tell; another program wrote them, and they are not listed\n",
               static_cast<long long>(rows - listed), kMaxCommandSetEntries);
}

// Each command is written as it is read, so memory stays flat however long
// the list is.
int List(SqliteCommandSet& set, const ParsedArgs& parsed) {
  if (parsed.json)
    std::fputs(CommandListJsonHead(parsed.options.at("company"), parsed.options.at("application")).c_str(),
               stdout);
  int64_t listed = 0;
  const int64_t rows = set.ForEachCommand([&](int64_t position, const CommandEntry& entry) {
    if (position < 0 || position >= kMaxCommandSetEntries) return;
    const ListedCommand command{kFirstCommandId + static_cast<int32_t>(position),
                                static_cast<int16_t>(position), entry};
    const std::string text =
        parsed.json ? CommandListJsonItem(command, listed == 0) : FormatCommandListLine(command);
    std::fputs(text.c_str(), stdout);
    ++listed;
  });
  if (parsed.json) std::fputs(CommandListJsonTail(listed == 0).c_str(), stdout);
  ReportRowsBeyondTheCount(rows, listed);
  return Print("");
}

std::optional<ListedCommand> FindByProgId(SqliteCommandSet& set, const std::string& progId) {
  const int16_t index = set.FindProgId(progId);
  if (index < 0) return std::nullopt;
  return ListedCommand{kFirstCommandId + index, index, set.GetCommand(index)};
}

int Show(SqliteCommandSet& set, const ParsedArgs& parsed) {
  const auto idOption = parsed.options.find("id");
  std::optional<ListedCommand> command;
  if (idOption != parsed.options.end()) {
    const int32_t id = ParseInt32(idOption->second).value_or(0);
    const int16_t index = set.FindCommand(id);
    if (index < 0) return Failure("there is no command with the identifier " + idOption->second);
    command = ListedCommand{id, index, set.GetCommand(index)};
  } else {
    command = FindByProgId(set, parsed.positional.front());
    if (!command) {
      return Failure("there is no command " + EscapeControls(parsed.positional.front()) +
                     " in the command set");
    }
  }
  return Print(parsed.json ? FormatCommandJson(*command) : FormatCommandText(*command));
}

// Text fields are bounded as the registry lookups bound what they read.
constexpr size_t kMaxFieldCharacters = 255;

size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// What is wrong with the entry add would write, checked before the
// database is opened.
std::optional<std::string> CheckEntry(const ParsedArgs& parsed) {
  const std::string& progId = parsed.positional.front();
  if (!IsProgIdOfIdentifiers(progId)) {
    return "the ProgID '" + EscapeControls(progId) +
           "' must be two names joined by one period, each of ASCII letters and digits and not starting "
           "with a digit, such as Zoom.ZoomIn";
  }
  for (const auto& [name, value] : parsed.options) {
    const CommandField* field = FindCommandFieldByOption(name);
    if (field != nullptr && field->text != nullptr && CharacterCount(value) > kMaxFieldCharacters) {
      return "--" + name + " is longer than " + std::to_string(kMaxFieldCharacters) + " characters";
    }
  }
  return std::nullopt;
}

int Add(SqliteCommandSet& set, const ParsedArgs& parsed) {
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

int Remove(SqliteCommandSet& set, const ParsedArgs& parsed) {
  set.RemoveCommand(parsed.positional.front());
  return Print("Removed " + EscapeControls(parsed.positional.front()) + ".\n");
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
  int (*run)(SqliteCommandSet&, const ParsedArgs&) = nullptr;
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
  if (sub == "add") {
    if (auto error = CheckEntry(parsed)) return UsageError(*error);
  }
  try {
    CommandSetWait wait;
    wait.notify = [](const std::string& line) {
      std::fprintf(stderr, "verbsmith commands: %s\n", line.c_str());
    };
    SqliteCommandSet set(path, std::move(wait));
    set.OpenCommandSet(parsed.options.at("company"), parsed.options.at("application"));
    // Reading never makes the database; only add does.
    if (!set.DatabaseExists() && (sub == "list" || sub == "show")) {
      std::fprintf(stderr, "verbsmith commands: there is no command set at %s yet; it has no commands\n",
                   path.c_str());
    }
    return run(set, parsed);
  } catch (const VbError& e) {
    return Failure(e.Description());
  }
}

}  // namespace verbsmith::app

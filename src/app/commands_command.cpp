// verbsmith commands: list, show, add and remove the entries of a command set.

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/cli.h"
#include "app/command_set_format.h"
#include "app/print_json.h"
#include "app/subcommands.h"
#include "base/vb_error.h"
#include "platform/command_entry_check.h"
#include "platform/posix/sqlite_command_set.h"

namespace verbsmith::app {

namespace {

constexpr int kExitFailure = 1;

// What the command line gave one subcommand: PROGID, and each option given
// by its name without the dashes.
struct ParsedArgs {
  std::string sub;  // list, show, add or remove
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  bool json = false;
};

// Every line a subcommand writes on standard error starts with its name.
void Say(const std::string& sub, const std::string& message) {
  std::fprintf(stderr, "verbsmith commands %s: %s\n", sub.c_str(), message.c_str());
}

int Failure(const ParsedArgs& parsed, const std::string& message) {
  Say(parsed.sub, message);
  return kExitFailure;
}

std::string NoSuchCommand(const std::string& progId) {
  return "there is no command " + EscapeControls(progId) + " in the command set";
}

int Print(const ParsedArgs& parsed, const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Failure(parsed, "cannot write the output");
  return 0;
}

// Rows past the 16-bit count are not the wizard's to see, but the user
// should know they are there.
void ReportRowsBeyondTheCount(int64_t rows, int64_t listed) {
  if (rows == listed) return;
  Say("list", "the command set holds " + std::to_string(rows - listed) + " entries beyond the " +
                  std::to_string(kMaxCommandSetEntries) +
                  " the count can tell; another program wrote them, and they are not listed");
}

// Each command is written as it is read, through one buffer that is
// handed on whenever it fills, so memory stays flat however long the list
// is.
int List(CommandSet& set, const ParsedArgs& parsed) {
  constexpr size_t kFlushAt = 64 * 1024;
  std::string out;
  out.reserve(kFlushAt + 4096);
  const auto flush = [&out] {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
  };
  if (parsed.json) out = CommandListJsonHead(parsed.options.at("company"), parsed.options.at("application"));
  int64_t listed = 0;
  const int64_t rows = set.ForEachCommand([&](int64_t position, const CommandEntry& entry) {
    if (position < 0 || position >= kMaxCommandSetEntries) return;
    const ListedCommand command{kFirstCommandId + static_cast<int32_t>(position),
                                static_cast<int16_t>(position), entry};
    if (parsed.json) {
      AppendCommandListJsonItem(command, listed == 0, out);
    } else {
      out += FormatCommandListLine(command);
    }
    ++listed;
    if (out.size() >= kFlushAt) flush();
  });
  if (parsed.json) out += CommandListJsonTail(listed == 0);
  flush();
  ReportRowsBeyondTheCount(rows, listed);
  return Print(parsed, "");
}

std::optional<ListedCommand> FindByProgId(CommandSet& set, const std::string& progId) {
  std::optional<NumberedCommand> found = set.FindProgId(progId);
  if (!found) return std::nullopt;
  return ListedCommand{found->commandId, static_cast<int16_t>(found->commandId - kFirstCommandId),
                       std::move(found->entry)};
}

int Show(CommandSet& set, const ParsedArgs& parsed) {
  const auto idOption = parsed.options.find("id");
  std::optional<ListedCommand> command;
  if (idOption != parsed.options.end()) {
    const int32_t id = ParseInt32(idOption->second).value_or(0);
    std::optional<CommandEntry> entry = set.FindCommand(id);
    if (!entry) return Failure(parsed, "there is no command with the identifier " + idOption->second);
    command = ListedCommand{id, static_cast<int16_t>(id - kFirstCommandId), std::move(*entry)};
  } else {
    command = FindByProgId(set, parsed.positional.front());
    if (!command) return Failure(parsed, NoSuchCommand(parsed.positional.front()));
  }
  return Print(parsed, parsed.json ? FormatCommandJson(*command) : FormatCommandText(*command));
}

// The entry add writes, as the command line gives it.
CommandEntry EntryOf(const ParsedArgs& parsed) {
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
  return entry;
}

int Add(CommandSet& set, const ParsedArgs& parsed) {
  const CommandEntry entry = EntryOf(parsed);
  // One entry a ProgID: adding one that is there replaces it.
  if (FindByProgId(set, entry.progId)) {
    Say(parsed.sub, EscapeControls(entry.progId) + " was in the command set already; its entry is replaced");
  }
  set.AddCommand(entry);
  const std::optional<ListedCommand> added = FindByProgId(set, entry.progId);
  return Print(parsed, added ? FormatCommandListText({*added}) : std::string());
}

int Remove(CommandSet& set, const ParsedArgs& parsed) {
  const std::string& progId = parsed.positional.front();
  try {
    set.RemoveCommand(progId);
  } catch (const VbError& e) {
    // Said as show says it.
    if (e.Number() != cmdseterr::kNoSuchCommand) throw;
    return Failure(parsed, NoSuchCommand(progId));
  }
  return Print(parsed, "Removed " + EscapeControls(progId) + ".\n");
}

// The database --db names, else the environment's.
std::string DatabasePath(const ParsedArgs& parsed) {
  const auto db = parsed.options.find("db");
  if (db != parsed.options.end() && db->second.empty()) RefuseUsage("--db needs a path");
  return db != parsed.options.end() ? db->second : CommandSetPathFromEnvironment();
}

std::unique_ptr<CommandSet> CommandSetAt(const std::string& path, const std::string& sub) {
  CommandSetWait wait;
  wait.notify = [sub](const std::string& line) { Say(sub, line); };
  return SqliteCommandSetFactory(path, std::move(wait)).Create();
}

// The companies and applications whose sets hold commands, one a line:
// company, application and the number of commands, two spaces apart.
int Sets(const ParsedArgs& parsed) {
  const std::string path = DatabasePath(parsed);
  try {
    const std::vector<HeldSet> sets = CommandSetAt(path, parsed.sub)->HeldSets();
    if (sets.empty()) Say(parsed.sub, "the command set at " + path + " holds no commands");
    if (parsed.json) {
      nlohmann::json listed = nlohmann::json::array();
      for (const HeldSet& set : sets) {
        listed.push_back(
            {{"company", set.company}, {"application", set.application}, {"commands", set.commands}});
      }
      PrintJson(listed);
      return Print(parsed, "");
    }
    std::string text;
    for (const HeldSet& set : sets) {
      text += EscapeControls(set.company) + "  " + EscapeControls(set.application) + "  " +
              std::to_string(set.commands) + "\n";
    }
    return Print(parsed, text);
  } catch (const VbError& e) {
    return Failure(parsed, e.Description());
  }
}

int OpenAndRun(const ParsedArgs& parsed, int (*run)(CommandSet&, const ParsedArgs&)) {
  const std::string& sub = parsed.sub;
  const std::string path = DatabasePath(parsed);
  // The entry is checked before the database is opened, so a mistyped
  // command never creates or touches it.
  if (sub == "add") {
    if (auto problem = CheckCommandEntry(EntryOf(parsed))) RefuseUsage(problem->message);
  }
  if (sub == "show" && parsed.positional.empty() && parsed.options.count("id") == 0) {
    RefuseUsage("show takes one PROGID or --id N");
  }
  try {
    std::unique_ptr<CommandSet> set = CommandSetAt(path, sub);
    set->OpenCommandSet(parsed.options.at("company"), parsed.options.at("application"));
    // Reading never makes the database; only add does.
    if (!set->StoreExists() && (sub == "list" || sub == "show")) {
      Say(sub, "there is no command set at " + path + " yet; it has no commands");
    }
    return run(*set, parsed);
  } catch (const VbError& e) {
    return Failure(parsed, e.Description());
  }
}

// Adds --NAME VALUE to the subcommand; a value given lands in
// parsed.options[NAME].
CLI::Option* AddValue(CLI::App& sub, ParsedArgs& parsed, const std::string& name, const std::string& help) {
  return sub.add_option_function<std::string>(
      "--" + name, [&parsed, name](const std::string& value) { parsed.options[name] = value; }, help);
}

// A subcommand of commands with the options every one of them takes.
struct Subcommand {
  CLI::App& app;
  ParsedArgs& parsed;
};

Subcommand AddSubcommand(CLI::App& commands, const std::string& sub, const std::string& help,
                         int (*run)(CommandSet&, const ParsedArgs&)) {
  CLI::App& app = *commands.add_subcommand(sub, help);
  auto parsed = std::make_shared<ParsedArgs>();
  parsed->sub = sub;
  AddValue(app, *parsed, "company", "The company of the command set")->required()->type_name("C");
  AddValue(app, *parsed, "application", "The application of the command set")->required()->type_name("A");
  AddValue(app, *parsed, "db", "The command-set database")->type_name("PATH");
  OnRun(app, [parsed, run] { return OpenAndRun(*parsed, run); });
  return {app, *parsed};
}

CLI::Option* AddProgId(const Subcommand& sub) {
  return sub.app.add_option_function<std::string>(
      "PROGID", [&parsed = sub.parsed](const std::string& value) { parsed.positional.push_back(value); },
      "The command's ProgID, such as Zoom.ZoomIn");
}

void AddJson(const Subcommand& sub) {
  sub.app.add_flag("--json", sub.parsed.json, "Writes JSON for scripts");
}

}  // namespace

void AddCommandsCommand(CLI::App& app) {
  CLI::App& commands = *app.add_subcommand(
      "commands",
      "Lists, shows, adds and removes the commands of a company and application; lists the sets held");
  commands.require_subcommand(1);
  commands.footer(
      "The command set is the database named by --db, else by VERBSMITH_COMMAND_SET, else "
      "$XDG_DATA_HOME/carthex-verbsmith/commandset.db.");

  AddJson(AddSubcommand(commands, "list", "Lists the commands, one a line", List));

  const Subcommand show =
      AddSubcommand(commands, "show", "Shows every field of one command, by ProgID or --id", Show);
  AddJson(show);
  CLI::Option* id = AddValue(show.app, show.parsed, "id", "The command's identifier, such as 41001")
                        ->check(Int32Number())
                        ->type_name("N");
  AddProgId(show)->excludes(id);

  const Subcommand add = AddSubcommand(commands, "add", "Adds a command", Add);
  AddProgId(add)->required();
  for (const CommandField& field : kCommandFields) {
    if (field.option == "prog-id") continue;
    CLI::Option* option =
        AddValue(add.app, add.parsed, std::string(field.option), std::string(field.name))->type_name("VALUE");
    if (field.number != nullptr) option->check(Int32Number());
  }

  AddProgId(AddSubcommand(commands, "remove", "Removes a command", Remove))->required();

  CLI::App& sets = *commands.add_subcommand(
      "sets", "Lists the companies and applications whose command sets hold commands, with how many");
  auto setsParsed = std::make_shared<ParsedArgs>();
  setsParsed->sub = "sets";
  AddValue(sets, *setsParsed, "db", "The command-set database")->type_name("PATH");
  AddJson({sets, *setsParsed});
  OnRun(sets, [setsParsed] { return Sets(*setsParsed); });
}

}  // namespace verbsmith::app

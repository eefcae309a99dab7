// verbsmith new: a create, edit, add or delete run of the wizard on answers
// given as flags or in a JSON file. The answers become the wizard's own
// script, run headless as `verbsmith run` runs one.

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "app/cli.h"
#include "app/print_json.h"
#include "app/standard_input.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "connection/connection.h"
#include "forms/script/script_run.h"
#include "host_platform.h"
#include "managers/manifest.h"
#include "platform/command_set.h"
#include "platform/transcript.h"
#include "shell/headless.h"
#include "wizard/answer_names.h"
#include "wizard/answered_run.h"
#include "wizard/answers_file.h"
#include "wizard/answers_script.h"

namespace verbsmith::app {

namespace {

constexpr const char* kStatuses =
    "Exit status: 0 the command was made (created, edited, added or deleted); 1 an answer the window "
    "could not take at all (such as a control a step does not have) or a run-time error; 2 a mistake on "
    "the command line or in the answers file; 3 refused on the start step (purpose, company, "
    "application); 4 on the project step; 5 on the command-name step (such as a command to edit that is "
    "not there); 6 on a bitmap step; 7 on the kind, form, listener or enabling-conditions steps; 8 Finish "
    "failed. The wizard's message goes to standard error.\n"
    "The answers file is a JSON object whose keys are the wizard's fields (docs/new.md); a flag "
    "overrides the file's answer of the same name.\n"
    "Required: \"command name\" (but for an add run of a Visual Basic project, which takes it from the "
    "project); \"description\" and \"tool tip\" for a create run and an add run of another project. "
    "--dry-run names every one missing.\n"
    "Defaults: purpose create; company Valdren; application Carthex; project name CarthexCommand; location "
    "the current directory; subdirectory none (the project goes in the location itself); bitmaps none; kind "
    "modal; form true; form name frm and the command name; form position never shown; map view listener "
    "true for a form never shown; tell me about new views true; enabling conditions none; open project "
    "false.";

struct NewOptions {
  std::string answersFile;  // "-": standard input
  bool transcript = false;
  bool dryRun = false;  // Finish shows its plan and changes nothing
  bool json = false;    // what was made, or the plan, as JSON
  nlohmann::json flags = nlohmann::json::object();
};

// The wizard's own answers where the answers leave them out.
constexpr const char* kDefaultCompany = "Valdren";
constexpr const char* kDefaultApplication = "Carthex";

constexpr std::array<const char*, 4> kPurposeNames = {"create", "edit", "delete", "add"};

std::string AnswersText(HostPlatform& platform, const std::string& file) {
  if (file == "-") {
    std::optional<std::string> text = ReadStandardInput(kLargestReadableFile);
    if (!text) RefuseUsage("standard input: the answers are at most 16 MB");
    return *text;
  }
  try {
    // JSON is UTF-8, as the product's texts are.
    return platform.GetHost().fs.ReadBytes(platform.ProductPath(file));
  } catch (const VbError& error) {
    RefuseUsage("cannot read " + file + ": " + error.Description());
  }
}

nlohmann::json Answers(HostPlatform& platform, const NewOptions& options) {
  nlohmann::json answers = nlohmann::json::object();
  if (!options.answersFile.empty()) {
    const std::string name = options.answersFile == "-" ? "standard input" : options.answersFile;
    try {
      answers = ParseAnswers(AnswersText(platform, options.answersFile));
    } catch (const AnswersError& error) {
      RefuseUsage(name + ": " + error.what());
    }
  }
  if (answers.is_object()) answers.update(options.flags);
  return answers;
}

// The wizard's message without its question whether to open the project:
// the answers gave that answer already.
std::string WithoutQuestions(const std::string& message) {
  std::string kept;
  size_t start = 0;
  while (start <= message.size()) {
    size_t end = message.find("\n\n", start);
    if (end == std::string::npos) end = message.size();
    const std::string paragraph = message.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() != '?') kept += (kept.empty() ? "" : "\n\n") + paragraph;
    start = end + 2;
  }
  return kept;
}

// What Finish made: the manifest it left beside the recap, found by the
// class file the recap lists.
struct Made {
  std::string manifestPath;
  Manifest manifest;
};

std::optional<Made> WhatWasMade(Host& host, const std::vector<std::string>& recap) {
  for (const std::string& line : recap) {
    const std::string item(Trim(line));
    if (!item.starts_with("+ ") || item.size() < 6 ||
        !EqualsIgnoringCase(item.substr(item.size() - 4), ".cls"))
      continue;
    Made made;
    made.manifestPath = item.substr(2, item.size() - 6) + std::string(kManifestSuffix);
    try {
      made.manifest = ParseManifest(host.fs.ReadBytes(made.manifestPath));
    } catch (const std::exception&) {
      return std::nullopt;
    }
    return made;
  }
  return std::nullopt;
}

void PrintMade(Host& host, const NewOptions& options, const WizardAnswers& answers,
               const std::vector<std::string>& messages, const std::optional<Made>& made) {
  std::vector<std::string> said;
  for (const std::string& message : messages) said.push_back(EscapeControls(WithoutQuestions(message), true));
  const bool deleted = answers.purpose == purpose::kDelete;
  if (options.json) {
    nlohmann::json summary = {{"purpose", kPurposeNames.at(static_cast<size_t>(answers.purpose))},
                              {"messages", said}};
    if (deleted) summary["deleted"] = answers.commandName.value_or("");
    if (made) {
      const std::string& directory = made->manifest.projectDirectory;
      summary["projectDirectory"] = host.fs.HostPath(WithoutTrailingBackslash(directory));
      summary["progId"] = made->manifest.entry.progId;
      summary["manifest"] = host.fs.HostPath(made->manifestPath);
      for (const ManifestFile& file : made->manifest.files)
        summary["files"][file.role] = host.fs.HostPath(ResolvedInDirectory(directory, file.path));
    }
    PrintJson(summary);
    return;
  }
  if (deleted) std::printf("Deleted %s.\n", EscapeControls(answers.commandName.value_or("")).c_str());
  for (const std::string& message : said) std::printf("%s\n", message.c_str());
  if (!made) return;
  const std::string& directory = made->manifest.projectDirectory;
  std::printf("\n%-23s%s\n", "Project directory:",
              EscapeControls(host.fs.HostPath(WithoutTrailingBackslash(directory))).c_str());
  std::printf("%-23s%s\n", "ProgID:", EscapeControls(made->manifest.entry.progId).c_str());
  for (const ManifestFile& file : made->manifest.files) {
    std::printf("  %-21s%s\n", file.role.c_str(),
                EscapeControls(host.fs.HostPath(ResolvedInDirectory(directory, file.path))).c_str());
  }
  std::printf("  %-21s%s\n", "manifest", EscapeControls(host.fs.HostPath(made->manifestPath)).c_str());
}

// The commands of the company and application a run on answers opened:
// the names the command-name step lists, each with its ProgID.
std::string RegisteredCommands(Host& host, const WizardAnswers& answers) {
  const std::string company = answers.company.value_or(kDefaultCompany);
  const std::string application = answers.application.value_or(kDefaultApplication);
  std::string listed;
  try {
    std::unique_ptr<CommandSet> commandSet = host.commandSets.Create();
    commandSet->OpenCommandSet(company, application);
    commandSet->ForEachCommand([&listed](int64_t, const CommandEntry& entry) {
      const size_t dot = entry.progId.find('.');
      const std::string name = dot == std::string::npos ? entry.progId : entry.progId.substr(dot + 1);
      listed += (listed.empty() ? "" : ", ") + name + " (" + entry.progId + ")";
    });
  } catch (const VbError& error) {
    return "the command set of " + company + " " + application + " cannot be read: " + error.Description();
  }
  if (listed.empty()) return company + " " + application + " has no registered commands";
  return "the registered commands of " + company + " " + application + " are: " + listed;
}

// The answers the wizard has no default for, by purpose, that the answers
// leave out.
std::vector<std::string> MissingAnswers(const WizardAnswers& answers) {
  const bool fromProject =
      answers.purpose == purpose::kAdd && answers.projectType == projecttype::kVisualBasic;
  const bool describes =
      answers.purpose == purpose::kCreate || (answers.purpose == purpose::kAdd && !fromProject);
  std::vector<std::string> missing;
  if (!fromProject && !answers.commandName) missing.emplace_back("command name");
  if (describes && !answers.description) missing.emplace_back("description");
  if (describes && !answers.toolTip) missing.emplace_back("tool tip");
  return missing;
}

// ", answer "A"" for the answer a notice concerns; when it names none, the
// step's answers given: " (answers "A", "B")".
std::string Concerned(std::string_view answer, const std::vector<std::string>& stepControls) {
  if (!answer.empty()) return ", answer \"" + std::string(answer) + "\"";
  std::vector<std::string_view> given;
  for (const std::string& control : stepControls) {
    const std::string_view name = AnswerOfControl(control);
    if (!name.empty() && std::find(given.begin(), given.end(), name) == given.end()) given.push_back(name);
  }
  if (given.empty()) return "";
  std::string listed;
  for (const std::string_view name : given)
    listed += (listed.empty() ? "\"" : ", \"") + std::string(name) + "\"";
  return std::string(given.size() == 1 ? " (answer " : " (answers ") + listed + ")";
}

// What stopped a refused run, and what the wizard said before, in order:
// each on its step, with the answer it concerns.
std::vector<std::string> Refusals(Host& host, const WizardAnswers& answers,
                                  const std::vector<RunNotice>& notices) {
  std::vector<std::string> said;
  for (const RunNotice& notice : notices) {
    const std::string_view answer = AnswerOfControl(notice.control);
    std::string message = notice.message;
    if (answer == "command name" && notice.reason.starts_with("no such entry")) {
      message = "\"" + answers.commandName.value_or("") + "\" is not a registered command; " +
                RegisteredCommands(host, answers);
    }
    said.push_back("on " + StepNameOfFrame(notice.frame) + Concerned(answer, notice.stepControls) + ": " +
                   message);
  }
  return said;
}

int RunNew(const NewOptions& options) {
  NullTranscript quiet;
  // With JSON, standard output holds the JSON alone.
  StreamTranscript printed(options.json ? std::cerr : std::cout);
  AnsweredRunWatch watch(options.transcript ? static_cast<SessionEvents&>(printed) : quiet);
  HostPlatform platform(watch);
  std::string plan;
  if (options.dryRun) {
    platform.StartDryRun([&plan, &options](const std::string& json, const std::string& text) {
      plan = options.json ? json : text;
    });
  }
  WizardAnswers answers;
  try {
    answers = ReadAnswers(Answers(platform, options));
  } catch (const AnswersError& error) {
    RefuseUsage(error.what());
  }
  // A dry run says at once all that a run would be refused for, one by one.
  if (const std::vector<std::string> missing = MissingAnswers(answers); options.dryRun && !missing.empty()) {
    std::string listed;
    for (const std::string& name : missing) listed += (listed.empty() ? "\"" : ", \"") + name + "\"";
    std::fprintf(stderr, "verbsmith new: on the command-name step: no answer for %s, which %s required\n",
                 listed.c_str(), missing.size() == 1 ? "is" : "are");
    return answeredrun::kRefusedOnCommandName;
  }
  // Directories are named to the wizard as the product names them.
  if (answers.location)
    answers.location = WithoutTrailingBackslash(platform.ProductDirectory(*answers.location));

  const int scriptStatus =
      forms::RunScript(AnswersScript(answers), platform.Dialogs(), watch, [&](forms::ActionSource& actions) {
        shell::RunHeadless(platform.GetHost(), platform.GetIde(), watch.Guard(actions), watch);
      });
  std::cout.flush();
  std::cerr.flush();
  const int status =
      scriptStatus != 0 && watch.Status() == answeredrun::kMade ? scriptStatus : watch.Status();
  // The plan and the messages name files and entries: their control
  // characters are spelled out, the line breaks of the text apart.
  if (status != 0) {
    const bool refused = status >= answeredrun::kRefusedOnStart && status <= answeredrun::kRefusedOnKind;
    const std::vector<std::string> messages =
        refused ? Refusals(platform.GetHost(), answers, watch.Notices()) : watch.Messages();
    for (const std::string& message : messages)
      std::fprintf(stderr, "verbsmith new: %s\n", EscapeControls(message, true).c_str());
    return status;
  }
  if (options.dryRun) {
    std::fputs(EscapeControls(plan, true).c_str(), stdout);
    return status;
  }
  PrintMade(platform.GetHost(), options, answers, watch.Messages(),
            WhatWasMade(platform.GetHost(), watch.Recap()));
  return status;
}

// --FLAG VALUE sets the answer of that name.
void AddAnswer(CLI::App& app, NewOptions& options, const std::string& flag, const std::string& key) {
  app.add_option_function<std::string>(
         "--" + flag, [&options, key](const std::string& value) { options.flags[key] = value; },
         "The answer \"" + key + "\"")
      ->type_name("TEXT");
}

}  // namespace

void AddNewCommand(CLI::App& app) {
  CLI::App& command = *app.add_subcommand(
      "new", "Creates, edits, adds or deletes a command by walking the wizard's steps on answers, headless");
  command.footer(kStatuses);
  auto options = std::make_shared<NewOptions>();
  command.add_option("--answers", options->answersFile, "The answers as a JSON file; - reads standard input")
      ->type_name("FILE");
  command.add_flag("--transcript", options->transcript,
                   "Prints the run's transcript, as `verbsmith run` does");
  command.add_flag("--dry-run", options->dryRun,
                   "Prints what Finish would do instead of doing it; nothing is changed");
  command.add_flag(
      "--json", options->json,
      "Writes what was made (with --dry-run: the plan) as JSON; the transcript goes to standard error");
  const std::map<std::string, std::string> flags = {
      {"purpose", "purpose"},           {"company", "company"},
      {"application", "application"},   {"project-name", "project name"},
      {"location", "location"},         {"subdirectory", "subdirectory"},
      {"command-name", "command name"}, {"description", "description"},
      {"tool-tip", "tool tip"},         {"kind", "kind"},
      {"form-name", "form name"},       {"bitmaps", "bitmaps"}};
  for (const auto& [flag, key] : flags) AddAnswer(command, *options, flag, key);
  command.add_flag_callback(
      "--no-form", [options] { options->flags["form"] = false; }, "The answer \"form\": false");
  command.add_flag_callback(
      "--open-project", [options] { options->flags["open project"] = true; },
      "The answer \"open project\": true");
  OnRun(command, [options] { return RunNew(*options); });
}

}  // namespace verbsmith::app

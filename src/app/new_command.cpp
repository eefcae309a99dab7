// verbsmith new: a create, edit, add or delete run of the wizard on answers
// given as flags or in a JSON file. The answers become the wizard's own
// script, run headless as `verbsmith run` runs one.

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "app/cli.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "connection/connection.h"
#include "forms/script/script_run.h"
#include "host_platform.h"
#include "platform/transcript.h"
#include "shell/headless.h"
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
    "overrides the file's answer of the same name.";

struct NewOptions {
  std::string answersFile;
  bool transcript = false;
  bool dryRun = false;  // Finish shows its plan and changes nothing
  bool json = false;    // the plan as JSON
  nlohmann::json flags = nlohmann::json::object();
};

nlohmann::json Answers(HostPlatform& platform, const NewOptions& options) {
  nlohmann::json answers = nlohmann::json::object();
  if (!options.answersFile.empty()) {
    std::string text;
    try {
      // JSON is UTF-8, as the product's texts are.
      text = platform.GetHost().fs.ReadBytes(platform.ProductPath(options.answersFile));
    } catch (const VbError& error) {
      RefuseUsage("cannot read " + options.answersFile + ": " + error.Description());
    }
    answers = nlohmann::json::parse(text, nullptr, false);
    if (answers.is_discarded()) RefuseUsage(options.answersFile + " is not JSON");
  }
  if (answers.is_object()) answers.update(options.flags);
  return answers;
}

int RunNew(const NewOptions& options) {
  NullTranscript quiet;
  StreamTranscript printed(std::cout);
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
  // Directories are named to the wizard as the product names them.
  if (answers.location)
    answers.location = WithoutTrailingBackslash(platform.ProductDirectory(*answers.location));

  const int scriptStatus =
      forms::RunScript(AnswersScript(answers), platform.Dialogs(), watch, [&](forms::ActionSource& actions) {
        shell::RunHeadless(platform.GetHost(), platform.GetIde(), watch.Guard(actions), watch);
      });
  std::cout.flush();
  const int status =
      scriptStatus != 0 && watch.Status() == answeredrun::kMade ? scriptStatus : watch.Status();
  // The plan and the messages name files and entries: their control
  // characters are spelled out, the line breaks of the text apart.
  if (options.dryRun) {
    if (status == 0) std::fputs(EscapeControls(plan, true).c_str(), stdout);
    for (const std::string& message : watch.Messages()) {
      if (status != 0) std::fprintf(stderr, "verbsmith new: %s\n", EscapeControls(message, true).c_str());
    }
    return status;
  }
  if (status == 0 && answers.purpose == purpose::kDelete) {
    std::printf("verbsmith new: deleted %s\n", EscapeControls(answers.commandName.value_or("")).c_str());
  }
  for (const std::string& message : watch.Messages()) {
    std::fprintf(status == 0 ? stdout : stderr, "verbsmith new: %s\n", EscapeControls(message, true).c_str());
  }
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
  command.add_option("--answers", options->answersFile, "The answers as a JSON file")->type_name("FILE");
  command.add_flag("--transcript", options->transcript,
                   "Prints the run's transcript, as `verbsmith run` does");
  CLI::Option* dryRun = command.add_flag(
      "--dry-run", options->dryRun, "Prints what Finish would do instead of doing it; nothing is changed");
  command.add_flag("--json", options->json, "With --dry-run: the plan as JSON")->needs(dryRun);
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

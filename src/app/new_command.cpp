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
#include "app/new_refusals.h"
#include "app/new_summary.h"
#include "app/standard_input.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/strings.h"
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
    "failed. The wizard's messages go to standard error, each on its step with the answer it concerns; what "
    "was made goes to standard output (with --json as JSON).\n"
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
  // Directories and files are named to the wizard as the product names
  // them; a relative file stays relative, so that messages name it as given.
  if (answers.location)
    answers.location = WithoutTrailingBackslash(platform.ProductDirectory(*answers.location));
  for (std::optional<std::string>* bitmap : {&answers.largeColorBitmap, &answers.largeMonoBitmap,
                                             &answers.smallColorBitmap, &answers.smallMonoBitmap}) {
    if (!*bitmap || bitmap->value().empty()) continue;
    if (bitmap->value().front() == '/') {
      *bitmap = platform.ProductPath(bitmap->value());
    } else {
      std::replace(bitmap->value().begin(), bitmap->value().end(), '/', '\\');
    }
  }

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
  Host& host = platform.GetHost();
  const std::optional<Made> made = WhatWasMade(host, watch.Recap());
  std::optional<std::string> registration;
  if (made && answers.purpose == purpose::kCreate &&
      made->manifest.entry.progId.find('.') != std::string::npos)
    registration = WriteRegistration(host, *made);
  PrintMade(host, options.json, answers, watch.Messages(), made, registration);
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

// verbsmith run [SCRIPT|-]: the wizard, headless. User actions come from
// the script (a file, or standard input with "-"); what a person would
// have seen is printed to standard output.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/cli.h"
#include "app/standard_input.h"
#include "app/subcommands.h"
#include "base/vb_error.h"
#include "forms/script/script.h"
#include "forms/script/script_run.h"
#include "host_platform.h"
#include "platform/transcript.h"
#include "shell/headless.h"

namespace verbsmith::app {

namespace {

// Shows the start step and cancels.
constexpr const char* kBuiltInScript =
    "# The start step is shown; cancel closes the wizard.\n"
    "click cmdIntroCancel\n";

struct RunOptions {
  std::optional<std::string> file;  // none: the built-in script; "-": standard input
  bool dryRun = false;              // Finish shows its plan and changes nothing
  bool json = false;                // the plan alone, as JSON, instead of the transcript
};

int RunScriptFile(const RunOptions& options) {
  const std::optional<std::string>& file = options.file;
  StringTranscript unshown;
  StreamTranscript shown(std::cout);
  SessionEvents& transcript = options.json ? static_cast<SessionEvents&>(unshown) : shown;
  HostPlatform platform(transcript);
  std::string plan;
  if (options.dryRun)
    platform.StartDryRun([&plan](const std::string& json, const std::string&) { plan = json; });

  std::string scriptName = "built-in script";
  std::string script = kBuiltInScript;
  if (file && *file == "-") {
    scriptName = "standard input";
    const std::optional<std::string> bytes = ReadStandardInput(kLargestReadableFile);
    if (!bytes) {
      std::fprintf(stderr, "verbsmith run: standard input: a script is at most 16 MB\n");
      return 2;
    }
    script = forms::ScriptTextOfFile(*bytes);
  } else if (file) {
    scriptName = *file;
    try {
      script = forms::ScriptTextOfFile(platform.GetHost().fs.ReadBytes(platform.ProductPath(*file)));
    } catch (const VbError& error) {
      std::fprintf(stderr, "verbsmith run: cannot read %s: %s\n", scriptName.c_str(),
                   error.Description().c_str());
      return 2;
    }
  }

  try {
    const int status =
        forms::RunScript(script, platform.Dialogs(), transcript, [&](forms::ActionSource& actions) {
          shell::RunHeadless(platform.GetHost(), platform.GetIde(), actions, transcript);
        });
    if (options.json) {
      if (plan.empty()) {
        std::fprintf(stderr, "verbsmith run: %s: the run did not reach Finish; there is no plan\n",
                     scriptName.c_str());
        return 1;
      }
      std::fputs(plan.c_str(), stdout);
    }
    std::cout.flush();
    return status;
  } catch (const forms::ScriptError& error) {
    std::fprintf(stderr, "verbsmith run: %s: %s\n", scriptName.c_str(), error.what());
    return 2;
  }
}

}  // namespace

void AddRunCommand(CLI::App& app) {
  CLI::App& run = *app.add_subcommand(
      "run",
      "Runs the wizard headless on the script's user actions (standard input with \"-\", a built-in\n"
      "script that cancels at the start step without one) and prints a transcript");
  auto file = std::make_shared<std::string>();
  auto options = std::make_shared<RunOptions>();
  CLI::Option* given = run.add_option(
      "SCRIPT", *file, "The script of user actions (docs/scripts.md), or - for standard input");
  CLI::Option* dryRun = run.add_flag(
      "--dry-run", options->dryRun,
      "Finish shows what it would do (directories, files with their diffs, the command-set entry,\n"
      "the INI keys, the compiler, the project offered) and changes nothing");
  run.add_flag("--json", options->json, "With --dry-run: print the plan alone, as JSON")->needs(dryRun);
  OnRun(run, [file, given, options] {
    if (given->count() > 0) options->file = *file;
    return RunScriptFile(*options);
  });
}

}  // namespace verbsmith::app

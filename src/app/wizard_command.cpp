// verbsmith run [SCRIPT|-]: the wizard, headless. User actions come from
// the script (a file, or standard input with "-"); what a person would
// have seen is printed to standard output.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/cli.h"
#include "app/posix_platform.h"
#include "app/subcommands.h"
#include "base/vb_error.h"
#include "forms/script/script.h"
#include "forms/script/script_run.h"
#include "platform/scripted/transcript.h"
#include "shell/headless.h"

namespace verbsmith::app {

namespace {

// Shows the start step and cancels.
constexpr const char* kBuiltInScript =
    "# The start step is shown; cancel closes the wizard.\n"
    "click cmdIntroCancel\n";

// Runs the script named (none: the built-in one; "-": standard input).
int RunScriptFile(const std::optional<std::string>& file) {
  StreamTranscript transcript(std::cout);
  PosixPlatform platform(transcript);

  std::string scriptName = "built-in script";
  std::string script = kBuiltInScript;
  if (file && *file == "-") {
    scriptName = "standard input";
    std::string bytes;
    char chunk[64 * 1024];
    while (std::cin.read(chunk, sizeof chunk) || std::cin.gcount() > 0) {
      bytes.append(chunk, static_cast<std::size_t>(std::cin.gcount()));
      if (bytes.size() > kLargestReadableFile) {
        std::fprintf(stderr, "verbsmith run: standard input: a script is at most 16 MB\n");
        return 2;
      }
    }
    script = forms::ScriptTextOfFile(bytes);
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
    const int status = forms::RunScript(
        script, platform.Dialogs(), transcript,
        [&](forms::ActionSource& actions) { shell::RunHeadless(platform.GetHost(), actions, transcript); });
    std::cout.flush();
    return status;
  } catch (const forms::ScriptError& error) {
    std::fprintf(stderr, "verbsmith run: %s: %s\n", scriptName.c_str(), error.what());
    return 2;
  }
}

}  // namespace

int RunWizard() {
  return RunScriptFile(std::nullopt);
}

void AddRunCommand(CLI::App& app) {
  CLI::App& run = *app.add_subcommand(
      "run",
      "Runs the wizard headless on the script's user actions (standard input with \"-\", a built-in\n"
      "script that cancels at the start step without one) and prints a transcript");
  auto file = std::make_shared<std::string>();
  CLI::Option* given = run.add_option(
      "SCRIPT", *file, "The script of user actions (docs/scripts.md), or - for standard input");
  OnRun(run,
        [file, given] { return RunScriptFile(given->count() > 0 ? std::optional(*file) : std::nullopt); });
}

}  // namespace verbsmith::app

// verbsmith run [SCRIPT|-]: the wizard, headless. User actions come from
// the script (a file, or standard input with "-"); what a person would
// have seen is printed to standard output.

#include <cstdio>
#include <iostream>
#include <string>

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

constexpr const char* kUsage =
    "usage: verbsmith run [SCRIPT|-]\n"
    "Runs the wizard headless on the script's user actions (standard input with \"-\",\n"
    "a built-in script that cancels at the start step without one) and prints a transcript.\n";

}  // namespace

int RunWizard(const Args& args) {
  if (args.size() > 1 || (!args.empty() && (args[0] == "-h" || args[0] == "--help"))) {
    std::fputs(kUsage, args.size() > 1 ? stderr : stdout);
    return args.size() > 1 ? 2 : 0;
  }
  StreamTranscript transcript(std::cout);
  PosixPlatform platform(transcript);

  std::string scriptName = "built-in script";
  std::string script = kBuiltInScript;
  if (!args.empty() && args[0] == "-") {
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
  } else if (!args.empty()) {
    scriptName = args[0];
    try {
      script = forms::ScriptTextOfFile(platform.GetHost().fs.ReadBytes(platform.ProductPath(args[0])));
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

}  // namespace verbsmith::app

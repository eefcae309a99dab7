// The gui command of the headless verbsmith. The window is a program of its
// own beside this one, so that a command without a window never loads Qt:
// the command is handed to it, and it takes over this process.

#include <cstdio>
#include <string>
#include <vector>

#include "app/gui_options.h"
#include "app/subcommands.h"
#include "platform/posix/display_check.h"
#include "platform/posix/executable_directory.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/replace_process.h"

namespace verbsmith::app {

namespace {

std::filesystem::path WindowProgram() {
  return ExecutableDirectory() / kWindowProgram;
}

}  // namespace

std::optional<std::string> WhyNoWindow() {
  std::error_code error;
  if (!std::filesystem::is_regular_file(WindowProgram(), error)) {
    return "the window is not installed: " + WindowProgram().string();
  }
  PosixProcesses processes;
  return DisplayProblem(processes);
}

int RunGuiWith(const GuiOptions& options) {
  std::vector<std::string> argv = {WindowProgram().string(), "gui"};
  if (!options.recordFile.empty()) argv.insert(argv.end(), {"--record", options.recordFile});
  if (options.check) argv.push_back("--check");
  const std::string reason = ReplaceProcess(argv);
  std::fprintf(stderr,
               "verbsmith gui: the window is not installed (%s: %s); `verbsmith run` runs the wizard "
               "without one\n",
               argv.front().c_str(), reason.c_str());
  return 2;
}

}  // namespace verbsmith::app

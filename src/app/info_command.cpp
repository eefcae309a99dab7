// verbsmith info: the version, and what the platform layer found on this
// machine, so that a user can see where the product looks for things.

#include <cstdio>
#include <string>

#include "app/cli.h"
#include "app/posix_platform.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/load_posix_registry.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/posix/user_directories.h"
#include "platform/scripted/transcript.h"
#include "resources/resource_compiler.h"

namespace verbsmith::app {

namespace {

// Values are names of files and directories found on the machine: their
// control characters are spelled out.
void Line(const char* label, const std::string& value) {
  std::printf("%-22s %s\n", label, value.empty() ? "(none)" : EscapeControls(value).c_str());
}

std::string Env(Host& host, const char* name) {
  return host.processes.GetEnv(name).value_or("");
}

std::string CompilerDescription(Host& host) {
  const auto compiler = FindHostCompiler(host);
  if (!compiler) return "";
  switch (compiler->dialect) {
    case CompilerDialect::kEnvironmentRc:
      return compiler->program + " (under " + compiler->runner + "; " + compiler->reason + ")";
    case CompilerDialect::kRcOptions:
      return compiler->program + " (rc options; " + compiler->reason + ")";
    case CompilerDialect::kWindres:
      return compiler->program + " (windres options; " + compiler->reason + ")";
  }
  return compiler->program;
}

int ShowInfo() {
  StringTranscript transcript;
  PosixPlatform platform(transcript);
  Host& host = platform.GetHost();

  std::printf("Carthex Verbsmith %s\n", VERBSMITH_VERSION);
  const UserDirectories dirs = UserDirectoriesOfThisProcess();
  Line("Home directory:", dirs.home);
  Line("Config directory:", dirs.configHome);
  Line("Data directory:", dirs.dataHome);
  Line("State directory:", dirs.stateHome + " (journals of unfinished Finishes)");
  Line("Wine prefix:", dirs.winePrefix);
  const auto files = RegistryFilesOfThisProcess();
  if (files.empty()) Line("Registry files:", "");
  for (const auto& file : files) Line("Registry file:", file);
  for (const auto& problem : platform.RegistryProblems()) Line("Registry left out:", problem.Text());
  Line("Settings file:", DefaultSettingsFile(dirs));
  Line("Command set:", CommandSetPathFromEnvironment());
  Line("Add-in directory:", host.addInDirectory);
  Line("Templates:", host.templateDirectory);
  Line("Current directory:", host.fs.CurrentDirectory());
  Line("Temporary files:", Env(host, "TEMP"));
  Line("Resource compiler:", CompilerDescription(host));
  return 0;
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
  OnRun(*app.add_subcommand("info",
                            "Prints the version, and where the product looks for things on this machine"),
        ShowInfo);
}

}  // namespace verbsmith::app

// verbsmith info: the version, and what the platform layer found on this
// machine, so that a user can see where the product looks for things.

#include <cstdio>
#include <string>

#include "app/cli.h"
#include "app/subcommands.h"
#include "host_platform.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/scripted/transcript.h"
#include "resources/resource_compiler.h"

namespace verbsmith::app {

namespace {

void Line(const char* label, const std::string& value) {
  std::printf("%-22s %s\n", label, value.empty() ? "(none)" : value.c_str());
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
  HostPlatform platform(transcript);
  Host& host = platform.GetHost();

  std::printf("Carthex Verbsmith %s\n", VERBSMITH_VERSION);
  for (const auto& [label, value] : platform.WhereThingsLive()) Line(label.c_str(), value);
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

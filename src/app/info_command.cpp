// verbsmith info: the version, and what the platform layer found on this
// machine, so that a user can see where the product looks for things.

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/cli.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "host_platform.h"
#include "platform/file_system.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/transcript.h"
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

// A file or directory of the product's own, as a host path, marked when it
// is not there.
std::string OwnFile(Host& host, const std::string& path, bool directory) {
  const bool there = directory ? DirectoryExists(host.fs, path) : FileExists(host.fs, path);
  const std::string shown = std::filesystem::path(host.fs.HostPath(path)).lexically_normal().string();
  return there ? shown : shown + " (missing)";
}

void ShowOwnFiles(HostPlatform& platform, Host& host) {
  Line("Own files:", platform.OwnFiles());
  Line("Add-in directory:", host.addInDirectory);
  Line("Templates:", host.templateDirectory);
  Line("Samples:", OwnFile(host, host.addInDirectory + "Samples\\", true));
  Line("Help pages:", OwnFile(host, host.addInDirectory + "help\\", true));
  Line("Help file:", OwnFile(host, host.addInDirectory + "..\\resdlls\\0009\\Verbsmith52.chm", false));
}

int ShowInfo() {
  StringTranscript transcript;
  HostPlatform platform(transcript);
  Host& host = platform.GetHost();

  std::printf("Carthex Verbsmith %s\n", VERBSMITH_VERSION);
  for (const auto& [label, value] : platform.WhereThingsLive()) Line(label.c_str(), value);
  Line("Command set:", CommandSetPathFromEnvironment());
  ShowOwnFiles(platform, host);
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

// verbsmith info: the version, and what the platform layer found on this
// machine, so that a user can see where the product looks for things.

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/cli.h"
#include "app/print_json.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "host_platform.h"
#include "platform/file_system.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/transcript.h"
#include "resources/resource_compiler.h"

namespace verbsmith::app {

namespace {

// What info says: its lines, each a label ("Command set:") and a value.
using InfoLines = std::vector<std::pair<std::string, std::string>>;

// "Command set:" as a JSON key: "commandSet".
std::string Key(const std::string& label) {
  std::string key;
  bool upper = false;
  for (char c : label) {
    if (c == ' ' || c == '-') {
      upper = !key.empty();
    } else if (c != ':') {
      key += upper ? AsciiUpper(c) : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      upper = false;
    }
  }
  return key;
}

// Values are names of files and directories found on the machine: their
// control characters are spelled out.
void Print(const InfoLines& lines, bool json) {
  if (json) {
    nlohmann::json info = {{"version", VERBSMITH_VERSION}};
    // A label said more than once (a registry file each) gathers its values.
    for (const auto& [label, value] : lines) {
      nlohmann::json& entry = info[Key(label)];
      if (entry.is_null()) {
        entry = value;
      } else {
        if (!entry.is_array()) entry = nlohmann::json::array({entry});
        entry.push_back(value);
      }
    }
    PrintJson(info);
    return;
  }
  std::printf("Carthex Verbsmith %s\n", VERBSMITH_VERSION);
  for (const auto& [label, value] : lines) {
    std::printf("%-22s %s\n", label.c_str(), value.empty() ? "(none)" : EscapeControls(value).c_str());
  }
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

// A path the product names in its own form, as the user's system names it
// (a name it cannot map stays as it is).
std::string HostForm(Host& host, const std::string& path) {
  if (path.empty()) return path;
  std::string shown;
  try {
    shown = std::filesystem::path(host.fs.HostPath(path)).lexically_normal().string();
  } catch (const VbError&) {
    return path;
  }
  if (shown.size() > 1 && (shown.back() == '/' || shown.back() == '\\')) shown.pop_back();
  return shown;
}

// A file or directory of the product's own, as a host path, marked when it
// is not there.
std::string OwnFile(Host& host, const std::string& path, bool directory) {
  const bool there = directory ? DirectoryExists(host.fs, path) : FileExists(host.fs, path);
  const std::string shown = HostForm(host, path);
  return there ? shown : shown + " (missing)";
}

void AddOwnFiles(HostPlatform& platform, Host& host, InfoLines& lines) {
  lines.emplace_back("Own files:", platform.OwnFiles());
  lines.emplace_back("Add-in directory:", HostForm(host, host.addInDirectory));
  lines.emplace_back("Templates:", HostForm(host, host.templateDirectory));
  lines.emplace_back("Samples:", OwnFile(host, host.addInDirectory + "Samples\\", true));
  lines.emplace_back("Help pages:", OwnFile(host, host.addInDirectory + "help\\", true));
  lines.emplace_back("Help file:",
                     OwnFile(host, host.addInDirectory + "..\\resdlls\\0009\\Verbsmith52.chm", false));
}

int ShowInfo(bool json) {
  StringTranscript transcript;
  HostPlatform platform(transcript);
  Host& host = platform.GetHost();

  InfoLines lines = platform.WhereThingsLive();
  lines.emplace_back("Command set:", CommandSetPathFromEnvironment());
  AddOwnFiles(platform, host, lines);
  lines.emplace_back("Current directory:", HostForm(host, host.fs.CurrentDirectory()));
  lines.emplace_back("Temporary files:", HostForm(host, Env(host, "TEMP")));
  lines.emplace_back("Resource compiler:", CompilerDescription(host));
  Print(lines, json);
  return 0;
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
  CLI::App& info = *app.add_subcommand(
      "info", "Prints the version, and where the product looks for things on this machine");
  auto json = std::make_shared<bool>(false);
  info.add_flag("--json", *json, "Writes the same as JSON for scripts");
  OnRun(info, [json] { return ShowInfo(*json); });
}

}  // namespace verbsmith::app

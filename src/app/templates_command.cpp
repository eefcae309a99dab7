// verbsmith templates check [DIR] | render --out DIR [options]: checks a
// template directory, or makes one command project from it.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/subcommands.h"
#include "base/vb_error.h"
#include "platform/host.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/scripted/transcript.h"
#include "spec/template_check.h"
#include "spec/template_render.h"

namespace verbsmith::app {

namespace {

constexpr const char* kUsage =
    "usage: verbsmith templates check [DIR]\n"
    "       verbsmith templates render --out DIR [--modeless] [--form N|--no-form] [--listener]\n"
    "                                  [--custom-enabling] [--custom-startup] [--name CMD] [--project P]\n"
    "DIR defaults to VERBSMITH_TEMPLATES, else the installed Templates directory.\n";

// The ports these tools use: files and the environment are real; nothing
// here asks a person anything, and no registry or command set is needed.
class ToolPlatform {
 public:
  ToolPlatform()
      : host{files, registry, profiles, settings, processes, dialogs, screen, commandSets, err, "", ""} {}

  class NoCommandSets : public CommandSetFactory {
   public:
    std::unique_ptr<CommandSet> Create() override {
      throw VbError(429, "Verbsmith", "The templates tool does not use the command set.");
    }
  };

  PosixFileSystem files;
  PosixRegistry registry;
  IniProfileFiles profiles{files};
  IniSettings settings{files, ""};
  PosixProcesses processes;
  StringTranscript transcript;
  ScriptedDialogs dialogs{transcript};
  FixedScreen screen;
  NoCommandSets commandSets;
  ErrObject err;
  Host host;
};

// A directory as the product names it, with a trailing backslash. Host
// paths ("/x/y", "rel/dir") are taken through the root drive Z:.
std::string ProductDirectory(Host& host, std::string dir) {
  const bool windowsForm = dir.size() >= 2 && dir[1] == ':';
  if (!windowsForm) {
    for (char& c : dir) c = c == '/' ? '\\' : c;
    dir = dir.starts_with('\\') ? "Z:" + dir : host.fs.CurrentDirectory() + "\\" + dir;
  }
  if (!dir.ends_with('\\')) dir += '\\';
  return dir;
}

// VERBSMITH_TEMPLATES when set, else the platform's installed Templates
// directory; empty when neither is known.
std::string DefaultTemplateDirectory(Host& host) {
  if (auto configured = host.processes.GetEnv("VERBSMITH_TEMPLATES"); configured && !configured->empty()) {
    return ProductDirectory(host, *configured);
  }
  return host.templateDirectory;
}

int Usage(const char* problem) {
  std::fprintf(stderr, "verbsmith templates: %s\n%s", problem, kUsage);
  return 2;
}

// A directory for the renders of one check, removed afterwards.
std::string MakeWorkDirectory(Host& host) {
  std::string temp = host.processes.GetEnv("TEMP").value_or("Z:\\tmp");
  if (!temp.ends_with('\\')) temp += '\\';
  const std::string placeholder = host.fs.CreateTempFile(temp, "vst");
  host.fs.DeleteFile(placeholder);
  host.fs.MakeDirectory(placeholder);
  return placeholder + "\\";
}

void RemoveDirectoryTree(Host& host, const std::string& dir) {
  try {
    for (const std::string& name : host.fs.List(dir + "*.*", attr::kDirectory)) {
      if (name == "." || name == "..") continue;
      if (host.fs.GetAttributes(dir + name) & attr::kDirectory) {
        RemoveDirectoryTree(host, dir + name + "\\");
      } else {
        host.fs.DeleteFile(dir + name);
      }
    }
    host.fs.RemoveDirectory(dir);
  } catch (const VbError&) {
    // Left for the system's temporary-file clean-up.
  }
}

int Check(Host& host, const Args& args) {
  if (args.size() > 1) return Usage("check takes at most one directory");
  const std::string templates =
      args.empty() ? DefaultTemplateDirectory(host) : ProductDirectory(host, args[0]);
  if (templates.empty()) return Usage("no template directory: name one or set VERBSMITH_TEMPLATES");
  const std::string work = MakeWorkDirectory(host);
  const auto fault = CheckTemplateDirectory(host, templates, work);
  RemoveDirectoryTree(host, work);
  if (fault) {
    std::fprintf(stderr, "%s\n", fault->Describe().c_str());
    return 1;
  }
  std::printf("%s: the templates are sound (%zu combinations rendered)\n", templates.c_str(),
              AllRenderCombinations().size());
  return 0;
}

int Render(Host& host, const Args& args) {
  RenderOptions options;
  std::optional<std::string> out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--modeless") {
      options.commandIsModeless = true;
    } else if (arg == "--no-form") {
      options.formNotRequired = true;
    } else if (arg == "--listener") {
      options.isMapViewListener = true;
    } else if (arg == "--custom-enabling") {
      options.customEnabling = true;
    } else if (arg == "--custom-startup") {
      options.customStartup = true;
    } else if (arg == "--form" && hasValue) {
      const std::string& value = args[++i];
      if (value.size() != 1 || value[0] < '0' || value[0] > '3') return Usage("--form takes 0, 1, 2 or 3");
      options.formPosition = static_cast<int16_t>(value[0] - '0');
      options.formNotRequired = false;
    } else if (arg == "--name" && hasValue) {
      options.commandName = args[++i];
    } else if (arg == "--project" && hasValue) {
      options.projectName = args[++i];
    } else if (arg == "--out" && hasValue) {
      out = args[++i];
    } else {
      return Usage(("unknown or incomplete option '" + arg + "'").c_str());
    }
  }
  if (!out) return Usage("render needs --out DIR");
  const std::string projectDir = ProductDirectory(host, *out);
  const std::string templates = DefaultTemplateDirectory(host);
  if (templates.empty()) return Usage("no template directory: set VERBSMITH_TEMPLATES");
  try {
    host.fs.MakeDirectory(projectDir);
  } catch (const VbError&) {
    // An existing directory is used as it is.
  }
  const auto shown = RenderCommand(host, options, templates, projectDir);
  for (const std::string& message : shown) std::fprintf(stderr, "verbsmith templates: %s\n", message.c_str());
  if (!shown.empty()) return 1;
  std::printf("%s: %s (%s)\n", projectDir.c_str(), options.commandName.c_str(), options.Describe().c_str());
  return 0;
}

}  // namespace

int RunTemplates(const Args& args) {
  if (args.empty()) return Usage("check or render?");
  ToolPlatform platform;
  const Args rest(args.begin() + 1, args.end());
  if (args[0] == "check") return Check(platform.host, rest);
  if (args[0] == "render") return Render(platform.host, rest);
  return Usage(("unknown subcommand '" + args[0] + "'").c_str());
}

}  // namespace verbsmith::app

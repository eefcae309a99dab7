// verbsmith templates check [DIR] | render --out DIR [options]: checks a
// template directory, or makes one command project from it.

#include <cstdio>
#include <optional>
#include <string>

#include "app/posix_platform.h"
#include "app/subcommands.h"
#include "base/identifier.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "managers/template_check.h"
#include "managers/template_render.h"
#include "platform/host.h"
#include "platform/scripted/transcript.h"

namespace verbsmith::app {

namespace {

constexpr const char* kUsage =
    "usage: verbsmith templates check [DIR]\n"
    "       verbsmith templates render --out DIR [--modeless] [--form N|--no-form] [--listener]\n"
    "                                  [--custom-enabling] [--custom-startup] [--name CMD] [--project P]\n"
    "DIR defaults to VERBSMITH_TEMPLATES, else the installed Templates directory.\n";

int Usage(const char* problem) {
  std::fprintf(stderr, "verbsmith templates: %s\n%s", problem, kUsage);
  return 2;
}

// Where the renders of one check are placed; they stay in memory, so
// nothing is ever made there.
std::string WorkDirectory(Host& host) {
  return AddTrailingBackslash(host.processes.GetEnv("TEMP").value_or("Z:\\tmp")) + "verbsmith-check\\";
}

int Check(PosixPlatform& platform, const Args& args) {
  Host& host = platform.GetHost();
  if (args.size() > 1) return Usage("check takes at most one directory");
  const std::string templates = args.empty() ? host.templateDirectory : platform.ProductDirectory(args[0]);
  if (templates.empty()) return Usage("no template directory: name one or set VERBSMITH_TEMPLATES");
  if (const auto fault = CheckTemplateDirectory(host, templates, WorkDirectory(host))) {
    std::fprintf(stderr, "%s\n", fault->Describe().c_str());
    return 1;
  }
  std::printf("%s: the templates are sound (%zu combinations rendered)\n", templates.c_str(),
              AllRenderCombinations().size());
  return 0;
}

int Render(PosixPlatform& platform, const Args& args) {
  Host& host = platform.GetHost();
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
    } else if ((arg == "--name" || arg == "--project") && hasValue) {
      // The names become file names: the identifier rule keeps every one
      // of them inside the output directory.
      const std::string& value = args[++i];
      if (!IsIdentifier(value)) {
        return Usage((arg + " takes a name of ASCII letters and digits, not starting with a digit").c_str());
      }
      (arg == "--name" ? options.commandName : options.projectName) = value;
    } else if (arg == "--out" && hasValue) {
      out = args[++i];
    } else {
      return Usage(("unknown or incomplete option '" + arg + "'").c_str());
    }
  }
  if (!out) return Usage("render needs --out DIR");
  const std::string projectDir = platform.ProductDirectory(*out);
  const std::string& templates = host.templateDirectory;
  if (templates.empty()) return Usage("no template directory: set VERBSMITH_TEMPLATES");
  // A render of templates the check refuses would write a broken project.
  if (const auto fault = CheckTemplateSources(host, templates)) {
    std::fprintf(stderr, "verbsmith templates: %s\n", fault->Describe().c_str());
    return 1;
  }
  if (!DirectoryExists(host.fs, projectDir)) {
    try {
      host.fs.MakeDirectory(projectDir);
    } catch (const VbError& e) {
      std::fprintf(stderr, "verbsmith templates: cannot make the output directory %s: %s\n", out->c_str(),
                   e.Description().c_str());
      return 1;
    }
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
  // Message boxes of the managers are collected by the render itself;
  // anything else the platform shows goes nowhere.
  StringTranscript transcript;
  PosixPlatform platform(transcript);
  const Args rest(args.begin() + 1, args.end());
  if (args[0] == "check") return Check(platform, rest);
  if (args[0] == "render") return Render(platform, rest);
  return Usage(("unknown subcommand '" + args[0] + "'").c_str());
}

}  // namespace verbsmith::app

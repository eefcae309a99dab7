// verbsmith templates check [DIR] | render --out DIR [options]: checks a
// template directory, or makes one command project from it.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/print_json.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/identifier.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "host_platform.h"
#include "managers/template_check.h"
#include "managers/template_render.h"
#include "platform/host.h"
#include "platform/transcript.h"
#include "wizard/wizard_answers.h"

namespace verbsmith::app {

namespace {

// Where the renders of one check are placed; they stay in memory, so
// nothing is ever made there.
std::string WorkDirectory(Host& host) {
  return AddTrailingBackslash(host.processes.GetEnv("TEMP").value_or("Z:\\tmp")) + "verbsmith-check\\";
}

// Message boxes of the managers are collected by the render itself;
// anything else the platform shows goes nowhere.
struct QuietPlatform {
  StringTranscript transcript;
  HostPlatform platform{transcript};
};

nlohmann::json AsJson(Host& host, const TemplateFault& fault) {
  return {{"file", host.fs.HostPath(fault.file)}, {"line", fault.line}, {"message", fault.message}};
}

struct CheckOptions {
  std::optional<std::string> directory;
  bool json = false;
};

int Check(const CheckOptions& options) {
  QuietPlatform quiet;
  HostPlatform& platform = quiet.platform;
  Host& host = platform.GetHost();
  const std::string templates =
      options.directory ? platform.ProductDirectory(*options.directory) : host.templateDirectory;
  if (templates.empty()) RefuseUsage("no template directory: name one or set VERBSMITH_TEMPLATES");
  const auto fault = CheckTemplateDirectory(host, templates, WorkDirectory(host));
  const std::vector<TemplateFault> warnings =
      fault ? std::vector<TemplateFault>() : TemplateWarnings(host.fs, templates);
  if (options.json) {
    nlohmann::json report = {
        {"directory", host.fs.HostPath(templates)}, {"sound", !fault}, {"warnings", nlohmann::json::array()}};
    if (fault) report["fault"] = AsJson(host, *fault);
    if (!fault) report["combinations"] = AllRenderCombinations().size();
    for (const TemplateFault& warning : warnings) report["warnings"].push_back(AsJson(host, warning));
    PrintJson(report);
    return fault ? 1 : 0;
  }
  if (fault) {
    std::fprintf(stderr, "%s\n", EscapeControls(fault->Describe()).c_str());
    return 1;
  }
  for (const TemplateFault& warning : warnings) {
    std::fprintf(stderr, "warning: %s\n", EscapeControls(warning.Describe()).c_str());
  }
  std::printf("%s: the templates are sound (%zu combinations rendered)\n", templates.c_str(),
              AllRenderCombinations().size());
  return 0;
}

struct RenderRequest {
  RenderOptions options;
  std::string out;
  std::string formPosition;
};

int Render(const RenderRequest& request) {
  QuietPlatform quiet;
  HostPlatform& platform = quiet.platform;
  Host& host = platform.GetHost();
  RenderOptions options = request.options;
  if (!request.formPosition.empty())
    options.formPosition = static_cast<int16_t>(request.formPosition[0] - '0');
  const std::string& out = request.out;
  const std::string projectDir = platform.ProductDirectory(out);
  const std::string& templates = host.templateDirectory;
  if (templates.empty()) RefuseUsage("no template directory: set VERBSMITH_TEMPLATES");
  // A render of templates the check refuses would write a broken project.
  if (const auto fault = CheckTemplateSources(host.fs, templates)) {
    std::fprintf(stderr, "verbsmith templates: %s\n", EscapeControls(fault->Describe()).c_str());
    return 1;
  }
  // The whole path is made, as a project directory's parents may be new too;
  // what stops it is said by the level that could not be made.
  if (!MakeDirectoryPath(host.fs, projectDir)) {
    std::string why = "not a directory";
    try {
      host.fs.MakeDirectory(projectDir);
    } catch (const VbError& e) {
      why = e.Description();
    }
    std::fprintf(stderr, "verbsmith templates: cannot make the output directory %s: %s\n", out.c_str(),
                 why.c_str());
    return 1;
  }
  const RenderOutcome rendered = RenderCommand(host, options, templates, projectDir);
  for (const std::string& message : rendered.messages)
    std::fprintf(stderr, "verbsmith templates: %s\n", message.c_str());
  if (!rendered.succeeded) return 1;
  std::printf("%s: %s (%s)\n", projectDir.c_str(), options.commandName.c_str(), options.Describe().c_str());
  return 0;
}

// Names become file names: the identifier rule keeps every one of them
// inside the output directory.
CLI::Validator Identifier() {
  return CLI::Validator(
      [](const std::string& value) {
        return IsIdentifier(value) ? std::string()
                                   : "takes a name of ASCII letters and digits, not starting with a digit "
                                     "and not a word Visual Basic reserves";
      },
      "NAME");
}

// A form position by its name (a hyphen for each space, case ignored) or
// its number, taken as the number.
CLI::Validator FormPosition() {
  return CLI::Validator(
      [](std::string& value) {
        std::string name = value;
        std::replace(name.begin(), name.end(), '-', ' ');
        for (size_t i = 0; i < kFormPositionNames.size(); ++i) {
          if (EqualsIgnoringCase(name, kFormPositionNames[i]) || value == std::to_string(i)) {
            value = std::to_string(i);
            return std::string();
          }
        }
        return std::string(
            "takes never-shown, screen-centered, application-centered or as-designed, or 0 to 3");
      },
      "");
}

void AddRender(CLI::App& templates) {
  CLI::App& render = *templates.add_subcommand("render", "Renders one combination into a directory");
  auto request = std::make_shared<RenderRequest>();
  RenderOptions& options = request->options;
  render.add_option("--out", request->out, "The project directory to write")->required()->type_name("DIR");
  render.add_flag("--modeless", options.commandIsModeless, "A modeless command");
  CLI::Option* form =
      render
          .add_option("--form", request->formPosition,
                      "The form's start-up position: never-shown, screen-centered, application-centered or "
                      "as-designed (or its number, 0 to 3)")
          ->transform(FormPosition())
          ->type_name("POSITION");
  render.add_flag("--no-form", options.formNotRequired, "No form")->excludes(form);
  render.add_flag("--listener", options.isMapViewListener, "A map view listener");
  render.add_flag("--custom-enabling", options.customEnabling, "Custom enabling conditions");
  render.add_flag("--custom-startup", options.customStartup, "Custom start-up requirements");
  render.add_option("--name", options.commandName, "The command's name")
      ->check(Identifier())
      ->type_name("CMD");
  render.add_option("--project", options.projectName, "The project's name")
      ->check(Identifier())
      ->type_name("P");
  OnRun(render, [request] { return Render(*request); });
}

}  // namespace

void AddTemplatesCommand(CLI::App& app) {
  CLI::App& templates = *app.add_subcommand("templates", "Checks a template directory, or renders from it");
  templates.require_subcommand(1);
  CLI::App& check =
      *templates.add_subcommand("check", "Checks a template directory and every rendered combination");
  check.footer("DIR defaults to VERBSMITH_TEMPLATES, else the installed Templates directory.");
  auto options = std::make_shared<CheckOptions>();
  auto directory = std::make_shared<std::string>();
  CLI::Option* given = check.add_option("DIR", *directory, "The template directory");
  check.add_flag("--json", options->json, "Writes the check as JSON for scripts");
  OnRun(check, [options, directory, given] {
    if (given->count() > 0) options->directory = *directory;
    return Check(*options);
  });
  AddRender(templates);
}

}  // namespace verbsmith::app

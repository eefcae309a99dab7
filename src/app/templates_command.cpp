// verbsmith templates check [DIR] | render --out DIR [options]: checks a
// template directory, or makes one command project from it.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/cli.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/identifier.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "host_platform.h"
#include "managers/template_check.h"
#include "managers/template_render.h"
#include "platform/host.h"
#include "platform/scripted/transcript.h"

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

int Check(const std::optional<std::string>& directory) {
  QuietPlatform quiet;
  HostPlatform& platform = quiet.platform;
  Host& host = platform.GetHost();
  const std::string templates = directory ? platform.ProductDirectory(*directory) : host.templateDirectory;
  if (templates.empty()) RefuseUsage("no template directory: name one or set VERBSMITH_TEMPLATES");
  if (const auto fault = CheckTemplateDirectory(host, templates, WorkDirectory(host))) {
    std::fprintf(stderr, "%s\n", EscapeControls(fault->Describe()).c_str());
    return 1;
  }
  for (const TemplateFault& warning : TemplateWarnings(host.fs, templates)) {
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
  if (!DirectoryExists(host.fs, projectDir)) {
    try {
      host.fs.MakeDirectory(projectDir);
    } catch (const VbError& e) {
      std::fprintf(stderr, "verbsmith templates: cannot make the output directory %s: %s\n", out.c_str(),
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

void AddRender(CLI::App& templates) {
  CLI::App& render = *templates.add_subcommand("render", "Renders one combination into a directory");
  auto request = std::make_shared<RenderRequest>();
  RenderOptions& options = request->options;
  render.add_option("--out", request->out, "The project directory to write")->required()->type_name("DIR");
  render.add_flag("--modeless", options.commandIsModeless, "A modeless command");
  CLI::Option* form = render.add_option("--form", request->formPosition, "The form's start-up position")
                          ->check(CLI::IsMember({"0", "1", "2", "3"}))
                          ->type_name("N");
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
  templates.footer("DIR defaults to VERBSMITH_TEMPLATES, else the installed Templates directory.");
  CLI::App& check =
      *templates.add_subcommand("check", "Checks a template directory and every rendered combination");
  auto directory = std::make_shared<std::string>();
  CLI::Option* given = check.add_option("DIR", *directory, "The template directory");
  OnRun(check,
        [directory, given] { return Check(given->count() > 0 ? std::optional(*directory) : std::nullopt); });
  AddRender(templates);
}

}  // namespace verbsmith::app

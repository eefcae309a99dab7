// verbsmith check PROJECT_DIR|MANIFEST: compares a project and its
// command-set entry with the manifest its last Finish left.

#include <cstdio>
#include <memory>
#include <string>

#include "app/cli.h"
#include "app/print_json.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "host_platform.h"
#include "managers/manifest.h"
#include "managers/manifest_check.h"
#include "platform/transcript.h"

namespace verbsmith::app {

namespace {

constexpr int kExitDrifted = 1;
// Nothing can be said of the project: as for a usage mistake.
constexpr int kExitCannotCheck = kExitUsage;

int CannotCheck(const std::string& problem) {
  std::fprintf(stderr, "verbsmith check: %s\n", problem.c_str());
  return kExitCannotCheck;
}

nlohmann::json AsJson(Host& host, const ProjectCheck& check) {
  return {{"manifest", host.fs.HostPath(check.manifestPath)},
          {"projectDirectory", host.fs.HostPath(WithoutTrailingBackslash(check.projectDirectory))},
          {"progId", check.progId},
          {"drifted", check.Drifted()},
          {"drift", check.drift},
          {"notes", check.notes},
          {"files", check.files},
          {"bitmaps", check.bitmaps}};
}

struct CheckOptions {
  std::string project;
  bool json = false;
};

int Check(const CheckOptions& options) {
  StringTranscript transcript;
  HostPlatform platform(transcript);
  Host& host = platform.GetHost();
  try {
    const ProjectCheck check = CheckProject(host.fs, host.commandSets, host.templateDirectory,
                                            FindManifest(host.fs, platform.ProductPath(options.project)));
    if (options.json) {
      PrintJson(AsJson(host, check));
    } else {
      // The report names the directory as the user's system does, and
      // quotes files and the entry: control characters spelled out.
      ProjectCheck shown = check;
      shown.projectDirectory = host.fs.HostPath(WithoutTrailingBackslash(check.projectDirectory));
      std::fputs(EscapeControls(DescribeProjectCheck(shown), true).c_str(), stdout);
    }
    return check.Drifted() ? kExitDrifted : 0;
  } catch (const ManifestError& e) {
    return CannotCheck(e.what());
  } catch (const VbError& e) {
    return CannotCheck("cannot read the command set: " + e.Description());
  }
}

}  // namespace

void AddCheckCommand(CLI::App& app) {
  CLI::App& check = *app.add_subcommand(
      "check",
      "Says what has drifted in a project and its command-set entry since its last Finish\n"
      "(from the manifest NAME.verbsmith.json in PROJECT_DIR, its src or its bin)");
  check.footer(
      "Exit status: 0 nothing drifted, 1 something did, 2 a usage error, or no readable manifest or "
      "command set.");
  auto options = std::make_shared<CheckOptions>();
  check.add_option("PROJECT_DIR", options->project, "The project directory, or its manifest")->required();
  check.add_flag("--json", options->json, "Writes the check as JSON for scripts");
  OnRun(check, [options] { return Check(*options); });
}

}  // namespace verbsmith::app

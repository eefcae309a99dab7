// verbsmith demo [--edit] [DIR]: the product's main job out of the box. The
// wizard, headless, walks the shipped demo script: it creates a command
// project with custom toolbar bitmaps in DIR (default ./verbsmith-demo), or
// with --edit changes the command made there, then says where everything
// went.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/class_registration.h"
#include "app/cli.h"
#include "app/print_json.h"
#include "app/subcommands.h"
#include "base/escape_controls.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "forms/script/script.h"
#include "forms/script/script_run.h"
#include "host_platform.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/transcript.h"
#include "shell/headless.h"
#include "wizard/answered_run.h"

namespace verbsmith::app {

namespace {

constexpr const char* kDefaultDirectory = "verbsmith-demo";
// The names the demo scripts give; the scripts hold them as @PROJECT@ and
// @COMMAND@, the project directory as @DIR@ and its bitmaps as @BITMAPS@.
constexpr const char* kProject = "CompassDemo";
constexpr const char* kCommand = "Compass";
constexpr const char* kCompany = "Valdren";
constexpr const char* kApplication = "Carthex";
// The class identifier the demo's registration gives the command.
constexpr const char* kClassId = "{6C0A3D52-9E41-4B8A-A1F3-5D2C7E9B0A41}";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// What compiling the project in Visual Basic would register for the
// command. An edit finds the project through it.
std::string Registration(const std::string& project) {
  return ClassRegistration(std::string(kProject) + "." + kCommand, kClassId,
                           project + "bin\\" + kCommand + ".dll");
}

std::string RegistrationFile(const std::string& project) {
  return project + "bin\\" + kProject + ".reg";
}

struct DemoOptions {
  bool edit = false;
  bool transcript = false;  // the run's transcript as well as the summary
  bool json = false;        // the summary as JSON
  std::string db;           // the command set; empty: the environment's
  std::string directory = kDefaultDirectory;
};

// What the demo made, for people or as JSON: each file by its host path,
// the entry, and the commands that show, change and remove it.
void PrintSummary(Host& host, const DemoOptions& options, const std::string& project,
                  const std::string& commandSet) {
  const std::string src = project + "src\\";
  const std::string bin = project + "bin\\";
  const std::string progId = std::string(kProject) + "." + kCommand;
  const std::string inSet = std::string(" --company ") + kCompany + " --application " + kApplication +
                            (options.db.empty() ? "" : " --db " + options.db);
  const std::vector<std::pair<std::string, std::string>> files = {
      {"project file", src + kProject + ".vbp"},   {"command class", src + kCommand + ".cls"},
      {"resource", src + kCommand + ".res"},       {"recap", src + kCommand + ".txt"},
      {"initialisation", bin + kCommand + ".ini"}, {"registration", RegistrationFile(project)}};
  const std::string show = "verbsmith commands show " + progId + inSet;
  const std::string change = "verbsmith demo --edit " + host.fs.HostPath(project);
  const std::string remove = "verbsmith commands remove " + progId + inSet;
  if (options.json) {
    nlohmann::json summary = {{"directory", host.fs.HostPath(project)},
                              {"edited", options.edit},
                              {"progId", progId},
                              {"company", kCompany},
                              {"application", kApplication},
                              {"commandSet", commandSet},
                              {"show", show},
                              {"change", change},
                              {"remove", remove}};
    for (const auto& [what, path] : files) summary["files"][what] = host.fs.HostPath(path);
    PrintJson(summary);
    return;
  }
  std::printf("%sThe demo command project (%s):\n", options.transcript ? "\n" : "",
              options.edit ? "changed" : "made");
  for (const auto& [what, path] : files)
    std::printf("  %-16s%s\n", what.c_str(), host.fs.HostPath(path).c_str());
  std::printf("  %-16s(what compiling the project in Visual Basic registers; an edit needs it)\n", "");
  std::printf("  %-16s%s, company %s, application %s, in %s\n", "command set", progId.c_str(), kCompany,
              kApplication, commandSet.c_str());
  std::printf("\nSee the entry:     %s\n", show.c_str());
  std::printf("Change it:         %s\n", change.c_str());
  std::printf("Remove its entry:  %s\n", remove.c_str());
  std::printf("                   (then delete %s)\n", host.fs.HostPath(project).c_str());
}

// The directories from the drive down to directory that are not there yet,
// deepest last.
std::vector<std::string> MissingDirectories(FileSystem& fs, const std::string& directory) {
  std::vector<std::string> missing;
  const std::string path = AddTrailingBackslash(directory);
  for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
    if (!DirectoryExists(fs, path.substr(0, slash + 1))) missing.push_back(path.substr(0, slash + 1));
  }
  return missing;
}

void RemoveIfEmpty(FileSystem& fs, const std::string& directory) {
  try {
    fs.RemoveDirectory(directory);
  } catch (const VbError&) {
    // Not empty, or gone already: it is no longer only the demo's.
  }
}

// Takes back what the demo made: the bitmap copies and the directories made
// for them, with the source and binary directories the wizard left empty in
// a project directory the demo made. A directory that holds anything stays.
void RemoveWhatTheDemoMade(FileSystem& fs, const std::string& project, const std::vector<std::string>& copies,
                           const std::vector<std::string>& directories) {
  for (const std::string& copy : copies) DeleteIfThere(fs, copy);
  if (std::find(directories.begin(), directories.end(), project) != directories.end()) {
    for (const char* below : {"src\\", "bin\\"}) RemoveIfEmpty(fs, project + below);
  }
  for (auto directory = directories.rbegin(); directory != directories.rend(); ++directory) {
    RemoveIfEmpty(fs, *directory);
  }
}

int RunDemo(const DemoOptions& options) {
  const bool edit = options.edit;
  const std::string& directory = options.directory;
  // The transcript is asked for; with JSON it goes to standard error.
  StreamTranscript printed(options.json ? std::cerr : std::cout);
  StringTranscript quiet;
  // Reads from what the wizard showed whether Finish made the project.
  AnsweredRunWatch transcript(options.transcript ? static_cast<SessionEvents&>(printed) : quiet);
  HostPlatform platform(transcript);
  Host& host = platform.GetHost();
  if (!options.db.empty()) platform.UseCommandSet(options.db);
  const std::string commandSet = options.db.empty() ? CommandSetPathFromEnvironment() : options.db;
  const std::string project = platform.ProductDirectory(directory);
  const auto existing = host.fs.List(project + "src\\*.vbp", 0);
  if (!edit && !existing.empty()) {
    std::fprintf(
        stderr,
        "verbsmith demo: %s already holds a project (%s); run `verbsmith demo --edit %s` to change it\n",
        directory.c_str(), existing.front().c_str(), directory.c_str());
    return 1;
  }
  if (edit && existing.empty()) {
    std::fprintf(stderr, "verbsmith demo: %s holds no demo project yet; run `verbsmith demo %s` first\n",
                 directory.c_str(), directory.c_str());
    return 1;
  }

  const std::string samples = host.addInDirectory + "Samples\\";
  const std::string scriptFile = samples + (edit ? "demo_edit.script" : "demo_create.script");
  std::string script;
  // The project keeps its own copies of the bitmaps, so it does not depend
  // on where the product is installed.
  const std::string bitmaps = project + "bitmaps\\";
  std::vector<std::string> madeDirectories, copies;
  try {
    if (!edit) {
      madeDirectories = MissingDirectories(host.fs, bitmaps);
      MakeDirectoryPath(host.fs, bitmaps);
      for (const std::string& bitmap : host.fs.List(samples + "*.bmp", 0)) {
        host.fs.CopyFile(samples + bitmap, bitmaps + bitmap);
        copies.push_back(bitmaps + bitmap);
      }
    }
    if (edit) platform.LoadRegistration(RegistrationFile(project));
    script = host.fs.ReadText(scriptFile);
  } catch (const VbError& error) {
    RemoveWhatTheDemoMade(host.fs, project, copies, madeDirectories);
    std::fprintf(stderr, "verbsmith demo: %s: %s\n", host.fs.HostPath(scriptFile).c_str(),
                 error.Description().c_str());
    return 1;
  }
  script = Replaced(std::move(script), "@DIR@", WithoutTrailingBackslash(project));
  script = Replaced(std::move(script), "@BITMAPS@", WithoutTrailingBackslash(bitmaps));
  script = Replaced(std::move(script), "@PROJECT@", kProject);
  script = Replaced(std::move(script), "@COMMAND@", kCommand);

  try {
    const int status =
        forms::RunScript(script, platform.Dialogs(), transcript, [&](forms::ActionSource& actions) {
          shell::RunHeadless(host, platform.GetIde(), actions, transcript);
        });
    std::cout.flush();
    if (status != 0 || transcript.Status() != answeredrun::kMade) {
      // The wizard has taken its own part back and said why; nothing of
      // the project exists, so nothing of it is listed.
      for (const std::string& message : transcript.Messages()) {
        std::fprintf(stderr, "verbsmith demo: %s\n", EscapeControls(message, true).c_str());
      }
      RemoveWhatTheDemoMade(host.fs, project, copies, madeDirectories);
      return status != 0 ? status : 1;
    }
    if (!edit) host.fs.WriteText(RegistrationFile(project), Registration(project));
    PrintSummary(host, options, project, commandSet);
    return 0;
  } catch (const forms::ScriptError& error) {
    RemoveWhatTheDemoMade(host.fs, project, copies, madeDirectories);
    std::fprintf(stderr, "verbsmith demo: %s: %s\n", host.fs.HostPath(scriptFile).c_str(), error.what());
    return 2;
  }
}

}  // namespace

void AddDemoCommand(CLI::App& app) {
  CLI::App& demo = *app.add_subcommand(
      "demo",
      "Creates a command project with custom toolbar bitmaps in DIR by walking the wizard on the\n"
      "shipped demo answers; with --edit, changes the command made there");
  auto options = std::make_shared<DemoOptions>();
  demo.add_flag("--edit", options->edit, "Changes the command the demo made in DIR");
  demo.add_flag("--transcript", options->transcript, "Prints the run's transcript before the summary");
  demo.add_flag("--json", options->json, "Writes the summary as JSON for scripts");
  demo.add_option("--db", options->db, "The command-set database, as for `verbsmith commands`")
      ->type_name("PATH");
  demo.add_option("DIR", options->directory, "The project directory")->capture_default_str();
  OnRun(demo, [options] { return RunDemo(*options); });
}

}  // namespace verbsmith::app

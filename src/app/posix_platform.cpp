#include "app/posix_platform.h"

#include <cstdio>

#include "base/escape_controls.h"
#include "base/win_path.h"
#include "platform/posix/data_layout.h"
#include "platform/posix/executable_directory.h"
#include "platform/posix/load_posix_registry.h"
#include "platform/posix/path_mapper.h"
#include "platform/posix/temp_file_registry.h"
#include "platform/posix/user_directories.h"
#include "platform/transcript.h"
#include "wizard/finish_journal.h"
#include "wizard/run_directories.h"

namespace verbsmith::app {

namespace {

// Found from where the executable is: in the build tree, an installed tree,
// or beside it as the add-in's files sit beside its module.
std::string AddInDirectory() {
  const DataLayout layout = DataLayoutOfThisProcess();
  if (layout.addInDirectory.empty()) return "";
  return AddTrailingBackslash(PathMapper::FromEnvironment().ToWindows(layout.addInDirectory));
}

// Unfinished Finishes are journalled with the user's state.
std::string FinishJournalDirectory() {
  return AddTrailingBackslash(
      PathMapper::FromEnvironment().ToWindows(UserDirectoriesOfThisProcess().stateHome + "/verbsmith"));
}

// A busy command set is waited for a few seconds; the user sees why.
void TellWaiting(const std::string& line) {
  std::fprintf(stderr, "verbsmith: %s\n", EscapeControls(line).c_str());
}

}  // namespace

DataLayout DataLayoutOfThisProcess() {
  const std::filesystem::path dir = ExecutableDirectory();
  const DataLayout layout = dir.empty() ? DataLayout{} : FindDataLayout(dir);
  if (layout.kind != DataLayoutKind::kNotFound) return layout;
  // A binary copied somewhere on its own still finds the files of the tree
  // it was built to be installed in.
  const DataLayout installed = FindDataLayout(std::filesystem::path(VERBSMITH_INSTALL_PREFIX) / "bin");
  return installed.kind == DataLayoutKind::kInstalledTree ? installed : layout;
}

void UndoInterruptedFinishes() {
  {
    PosixFileSystem files;
    // A process killed while it wrote its journal, or a compiler's input,
    // left a temporary file there.
    for (const std::string& directory :
         {FinishJournalDirectory(), PosixProcesses().GetEnv("TEMP").value_or("")}) {
      try {
        if (!directory.empty()) RemoveStaleTempFiles(files.HostPath(directory));
      } catch (const VbError&) {
        // No such directory yet.
      }
    }
    if (files.List(FinishJournalDirectory() + "finish-*.json", 0).empty() &&
        files.List(FinishJournalDirectory() + "run-*.json", 0).empty())
      return;
  }
  NullTranscript unused;
  PosixPlatform platform(unused);
  // Finishes first: what they take back empties the directories of their runs.
  for (const std::string& line : verbsmith::UndoInterruptedFinishes(platform.GetHost())) {
    std::fprintf(stderr, "verbsmith: %s\n", EscapeControls(line).c_str());
  }
  for (const std::string& line : RemoveDirectoriesOfEndedRuns(platform.GetHost())) {
    std::fprintf(stderr, "verbsmith: %s\n", line.c_str());
  }
}

PosixPlatform::PosixPlatform(SessionEvents& events) : PosixPlatform(events, dialogs_, screen_) {}

PosixPlatform::PosixPlatform(SessionEvents& events, verbsmith::Dialogs& dialogs, verbsmith::Screen& screen)
    : registry_(LoadPosixRegistry()),
      settings_(files_, DefaultSettingsFile(UserDirectoriesOfThisProcess())),
      dialogs_(events),
      commandSets_(CommandSetPathFromEnvironment(), CommandSetWait{.notify = TellWaiting}),
      host_{.fs = staged_,
            .registry = *registry_.registry,
            .profiles = profiles_,
            .settings = settings_,
            .processes = processes_,
            .dialogs = dialogs,
            .screen = screen,
            .commandSets = commandSets_,
            .err = err_,
            .addInDirectory = "",
            .templateDirectory = "",
            .staging = &staged_,
            .journalDirectory = FinishJournalDirectory(),
            .locks = &locks_,
            .finishPreview = {}} {
  // An interrupted write removes its temporary file before the process ends.
  InstallTempFileCleanup();
  for (const RegistryFileProblem& problem : registry_.problems) {
    const event::RegistryWarning warning{problem.Text()};
    std::fprintf(stderr, "verbsmith: %s\n", EscapeControls(TranscriptLines(warning).front()).c_str());
    events.Happened(warning);
  }
  host_.addInDirectory = AddInDirectory();
  if (auto configured = processes_.GetEnv("VERBSMITH_TEMPLATES"); configured && !configured->empty()) {
    host_.templateDirectory = ProductDirectory(*configured);
  } else if (!host_.addInDirectory.empty()) {
    host_.templateDirectory = host_.addInDirectory + "Templates\\";
  }
}

void PosixPlatform::StartDryRun(std::function<void(const std::string&, const std::string&)> preview) {
  host_.finishPreview = std::move(preview);
  // Every change is held from the start, so that the run makes nothing,
  // not even the project's directories.
  staged_.SetHolding(true);
}

std::vector<std::pair<std::string, std::string>> PosixPlatform::WhereThingsLive() {
  const UserDirectories dirs = UserDirectoriesOfThisProcess();
  std::vector<std::pair<std::string, std::string>> places = {
      {"Home directory:", dirs.home},
      {"Config directory:", dirs.configHome},
      {"Data directory:", dirs.dataHome},
      {"State directory:", dirs.stateHome + " (journals of unfinished Finishes)"},
      {"Wine prefix:", dirs.winePrefix}};
  const auto files = RegistryFilesOfThisProcess();
  if (files.empty()) places.emplace_back("Registry files:", "");
  for (const auto& file : files) places.emplace_back("Registry file:", file);
  for (const auto& problem : RegistryProblems()) places.emplace_back("Registry left out:", problem.Text());
  places.emplace_back("Settings file:", files_.HostPath(DefaultSettingsFile(dirs)));
  return places;
}

std::string PosixPlatform::OwnFiles() {
  const DataLayout layout = DataLayoutOfThisProcess();
  return layout.KindName() + " (" + layout.addInDirectory.string() + ")";
}

std::string PosixPlatform::ProductPath(const std::string& path) {
  const bool windowsForm = path.size() >= 2 && path[1] == ':';
  if (windowsForm) return path;
  return PathMapper::FromEnvironment().ToWindows(std::filesystem::path(path));
}

void PosixPlatform::UseCommandSet(const std::string& databasePath) {
  commandSets_ = SqliteCommandSetFactory(databasePath, CommandSetWait{.notify = TellWaiting});
}

std::string PosixPlatform::ProductDirectory(const std::string& directory) {
  return AddTrailingBackslash(ProductPath(directory));
}

}  // namespace verbsmith::app

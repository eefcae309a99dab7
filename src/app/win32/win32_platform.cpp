#include "app/win32/win32_platform.h"

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>

#include "base/vb_error.h"
#include "base/win_path.h"
#include "platform/posix/executable_directory.h"
#include "platform/posix/user_directories.h"
#include "platform/transcript.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "wizard/finish_journal.h"
#include "wizard/run_directories.h"

namespace verbsmith::app {

namespace {

// Beside the executable, as the add-in's files sit beside its module.
std::string AddInDirectory() {
  const std::filesystem::path dir = ExecutableDirectory();
  if (dir.empty()) return "";
  return AddTrailingBackslash(Utf8(dir.wstring()));
}

// A busy command set is waited for a few seconds; the user sees why.
void TellWaiting(const std::string& line) {
  std::fprintf(stderr, "verbsmith: %s\n", line.c_str());
}

// Unfinished Finishes are journalled with the user's local data.
std::string FinishJournalDirectory() {
  return AddTrailingBackslash(UserDirectoriesOfThisProcess().stateHome + "\\verbsmith");
}

}  // namespace

void PrepareStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
}

void UndoInterruptedFinishes() {
  {
    Win32FileSystem files;
    if (files.List(FinishJournalDirectory() + "finish-*.json", 0).empty() &&
        files.List(FinishJournalDirectory() + "run-*.json", 0).empty())
      return;
  }
  NullTranscript unused;
  Win32Platform platform(unused);
  // Finishes first: what they take back empties the directories of their runs.
  for (const std::string& line : verbsmith::UndoInterruptedFinishes(platform.GetHost())) {
    std::fprintf(stderr, "verbsmith: %s\n", line.c_str());
  }
  for (const std::string& line : RemoveDirectoriesOfEndedRuns(platform.GetHost())) {
    std::fprintf(stderr, "verbsmith: %s\n", line.c_str());
  }
}

Win32Platform::Win32Platform(SessionEvents& events, verbsmith::Dialogs* dialogs, verbsmith::Screen* screen)
    : dialogs_(events),
      commandSets_(CommandSetPathFromEnvironment(), CommandSetWait{.notify = TellWaiting}),
      host_{.fs = staged_,
            .registry = registry_,
            .profiles = profiles_,
            .settings = settings_,
            .processes = processes_,
            .dialogs = dialogs != nullptr ? *dialogs : dialogs_,
            .screen = screen != nullptr ? *screen : screen_,
            .commandSets = commandSets_,
            .err = err_,
            .addInDirectory = AddInDirectory(),
            .templateDirectory = "",
            .staging = &staged_,
            .journalDirectory = FinishJournalDirectory(),
            .locks = &locks_,
            .finishPreview = {}} {
  if (auto configured = processes_.GetEnv("VERBSMITH_TEMPLATES"); configured && !configured->empty()) {
    host_.templateDirectory = ProductDirectory(*configured);
  } else if (!host_.addInDirectory.empty()) {
    host_.templateDirectory = host_.addInDirectory + "Templates\\";
  }
}

void Win32Platform::LoadRegistration(const std::string& path) {
  const ProcessId importer = processes_.Start({"reg.exe", "import", path}, true);
  const std::optional<int> status = processes_.Wait(importer, std::chrono::seconds(10));
  if (!status || *status != 0) throw VbError::Standard(vberr::kPathFileAccessError);
}

std::vector<std::pair<std::string, std::string>> Win32Platform::WhereThingsLive() {
  const UserDirectories dirs = UserDirectoriesOfThisProcess();
  return {{"Home directory:", dirs.home},
          {"Data directory:", dirs.dataHome},
          {"Journal directory:", FinishJournalDirectory() + " (journals of unfinished Finishes)"},
          {"Registry:", "the system registry"},
          {"Settings:", "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings"}};
}

void Win32Platform::StartDryRun(std::function<void(const std::string&, const std::string&)> preview) {
  host_.finishPreview = std::move(preview);
  // Every change is held from the start, so that the run makes nothing,
  // not even the project's directories.
  staged_.SetHolding(true);
}

std::string Win32Platform::OwnFiles() {
  return "beside the executable (" + AddInDirectory() + ")";
}

std::string Win32Platform::ProductPath(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  full.resize(length);
  return Utf8(full);
}

void Win32Platform::UseCommandSet(const std::string& databasePath) {
  commandSets_ = SqliteCommandSetFactory(databasePath, CommandSetWait{.notify = TellWaiting});
}

std::string Win32Platform::ProductDirectory(const std::string& directory) {
  return AddTrailingBackslash(ProductPath(directory));
}

}  // namespace verbsmith::app

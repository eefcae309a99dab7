#include "addin/addin_platform.h"

#include <iterator>

#include "forms/script/script.h"
#include "platform/transcript.h"

namespace verbsmith::addin {

namespace {

std::string Environment(Processes& processes, const char* name) {
  const auto value = processes.GetEnv(name);
  return value ? *value : std::string();
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

AddInPlatform::AddInPlatform(const std::string& addInDirectory)
    : commandSets_(CommandSetPathFromEnvironment()) {
  const std::string transcript = Environment(processes_, "VERBSMITH_ADDIN_TRANSCRIPT");
  if (!transcript.empty()) {
    transcriptFile_.open(transcript, std::ios::binary | std::ios::app);
    events_ = std::make_unique<StreamTranscript>(transcriptFile_);
    scriptedDialogs_ = std::make_unique<ScriptedDialogs>(*events_);
  } else {
    events_ = std::make_unique<NullTranscript>();
  }
  Dialogs& dialogs = scriptedDialogs_ ? static_cast<Dialogs&>(*scriptedDialogs_) : windowsDialogs_;
  host_ = std::make_unique<Host>(Host{.fs = files_,
                                      .registry = registry_,
                                      .profiles = profiles_,
                                      .settings = settings_,
                                      .processes = processes_,
                                      .dialogs = dialogs,
                                      .screen = screen_,
                                      .commandSets = commandSets_,
                                      .err = err_,
                                      .addInDirectory = addInDirectory,
                                      .templateDirectory = addInDirectory + "Templates\\",
                                      .staging = nullptr,
                                      .journalDirectory = "",
                                      .locks = nullptr,
                                      .finishPreview = {}});
  const std::string script = Environment(processes_, "VERBSMITH_ADDIN_SCRIPT");
  if (scriptedDialogs_ && !script.empty()) {
    script_ = std::make_unique<forms::ScriptActionSource>(
        forms::ParseScript(forms::ScriptTextOfFile(FileText(script))), *scriptedDialogs_, *events_);
  }
  runtime_ = std::make_unique<forms::FormsRuntime>(screen_, *events_, script_.get());
}

AddInPlatform::~AddInPlatform() = default;

}  // namespace verbsmith::addin

#include "forms/script/script_run.h"

#include "forms/script/script.h"
#include "forms/script/script_action_source.h"

namespace verbsmith::forms {

namespace {

void Summarise(const ScriptActionSource& source, const QueuedDialogs& dialogs, Transcript& transcript) {
  if (source.StepsLeft() > 0) {
    transcript.Event("script left " + std::to_string(source.StepsLeft()) + " lines unused, from line " +
                     std::to_string(source.FirstLineLeft()));
  }
  if (dialogs.PendingAnswers() > 0) {
    transcript.Event(std::to_string(dialogs.PendingAnswers()) + " answers unused");
  }
  if (dialogs.PendingFiles() > 0) {
    transcript.Event(std::to_string(dialogs.PendingFiles()) + " file answers unused");
  }
  transcript.Event("end of run");
}

}  // namespace

int RunScript(std::string_view scriptText, QueuedDialogs& dialogs, Transcript& transcript,
              const std::function<void(ActionSource&)>& show) {
  ScriptActionSource source(ParseScript(scriptText), dialogs, transcript);
  try {
    show(source);
  } catch (...) {
    Summarise(source, dialogs, transcript);
    throw;
  }
  Summarise(source, dialogs, transcript);
  return source.Errors().empty() ? 0 : 1;
}

}  // namespace verbsmith::forms

#include "forms/script/script_run.h"

#include "forms/script/script.h"
#include "forms/script/script_action_source.h"

namespace verbsmith::forms {

namespace {

void Summarise(const ScriptActionSource& source, const QueuedDialogs& dialogs, SessionEvents& events) {
  events.Happened(event::ScriptLeftovers{source.StepsLeft(), source.FirstLineLeft(), dialogs.PendingAnswers(),
                                         dialogs.PendingFiles()});
  events.Happened(event::EndOfRun{});
}

}  // namespace

int RunScript(std::string_view scriptText, QueuedDialogs& dialogs, SessionEvents& events,
              const std::function<void(ActionSource&)>& show) {
  ScriptActionSource source(ParseScript(scriptText), dialogs, events);
  try {
    show(source);
  } catch (...) {
    Summarise(source, dialogs, events);
    throw;
  }
  Summarise(source, dialogs, events);
  return source.Errors().empty() ? 0 : 1;
}

}  // namespace verbsmith::forms

#pragma once
// A whole headless run driven by a script: parse it, feed it to whatever
// shows the top-level form, and close the transcript with what was left
// over. Used by `verbsmith run`.

#include <functional>
#include <string_view>

#include "forms/action_source.h"
#include "platform/queued_dialogs.h"
#include "platform/session_events.h"

namespace verbsmith::forms {

// Runs the script. `show` shows the top-level form modally, pulling its
// actions from the source it is given, and returns when the form has
// closed. Ends the session with what the script left unused, then the end
// of the run. Returns 0, or 1 when an action could not be carried
// out. A script error throws ScriptError before anything is shown; a
// run-time error that nothing trapped propagates after the summary.
int RunScript(std::string_view scriptText, QueuedDialogs& dialogs, SessionEvents& events,
              const std::function<void(ActionSource&)>& show);

}  // namespace verbsmith::forms

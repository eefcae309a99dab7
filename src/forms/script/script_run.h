#pragma once
// A whole headless run driven by a script: parse it, feed it to whatever
// shows the top-level form, and close the transcript with what was left
// over. Used by `verbsmith run`.

#include <functional>
#include <string_view>

#include "forms/action_source.h"
#include "platform/queued_dialogs.h"
#include "platform/scripted/transcript.h"

namespace verbsmith::forms {

// Runs the script. `show` shows the top-level form modally, pulling its
// actions from the source it is given, and returns when the form has
// closed. Ends the transcript with "script left N lines unused, from line
// L" and "N answers unused" / "N file answers unused" where that applies,
// then "end of run". Returns 0, or 1 when an action could not be carried
// out. A script error throws ScriptError before anything is shown; a
// run-time error that nothing trapped propagates after the summary.
int RunScript(std::string_view scriptText, QueuedDialogs& dialogs, Transcript& transcript,
              const std::function<void(ActionSource&)>& show);

}  // namespace verbsmith::forms

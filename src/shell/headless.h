#pragma once
// The headless run of the add-in: what `verbsmith run` hands over to.

#include "forms/action_source.h"
#include "platform/host.h"
#include "platform/scripted/transcript.h"

namespace verbsmith::shell {

// Creates the add-in's connection object on the host and connects it in
// connect mode 2 (the add-in was started from the command line), so the
// wizard window is shown modally at once. User actions are pulled from the
// action source by the window's modal loop; what a person would see goes to
// the transcript. Returns when the wizard has been closed (finished,
// cancelled, or closed because the actions ran out); the add-in is then
// disconnected. Run-time errors that nothing traps propagate as VbError.
void RunHeadless(Host& host, forms::ActionSource& actions, Transcript& transcript);

}  // namespace verbsmith::shell

#pragma once
// The runs of the add-in that `verbsmith run` and `verbsmith gui` hand over to.

#include "forms/action_source.h"
#include "forms/forms_runtime.h"
#include "platform/host.h"
#include "platform/ide.h"
#include "platform/session_events.h"

namespace verbsmith::shell {

// Creates the add-in's connection object on the host and connects it to the
// development environment in connect mode 2 (the add-in was started from
// the command line), so the wizard window is shown modally at once on the
// given runtime, whose action source feeds its modal loop. Returns when the wizard has been closed
// (finished, cancelled, or closed because the actions ran out); the add-in
// is then disconnected. Run-time errors that nothing traps propagate as
// VbError.
void RunWizardSession(Host& host, Ide& ide, forms::FormsRuntime& runtime);

// RunWizardSession on a runtime of its own: user actions are pulled from
// the action source, what a person would see goes to `events`.
void RunHeadless(Host& host, Ide& ide, forms::ActionSource& actions, SessionEvents& events);

}  // namespace verbsmith::shell

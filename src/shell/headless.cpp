#include "shell/headless.h"

#include <memory>

#include "shell/verbsmith_cls.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::shell {

void RunWizardSession(Host& host, Ide& ide, forms::FormsRuntime& runtime) {
  VerbsmithCls addIn(host, [&runtime](Host& h) { return std::make_unique<FrmVerbsmith>(runtime, h); });
  // The environment is handed over before the first run, so the managers
  // and the wizard window get it.
  addIn.ConnectAddIn(&ide);
  addIn.OnConnection(&ide, connectmode::kExternal);
  addIn.OnDisconnection(0);
}

void RunHeadless(Host& host, Ide& ide, forms::ActionSource& actions, SessionEvents& events) {
  forms::FormsRuntime runtime(host.screen, events, &actions);
  RunWizardSession(host, ide, runtime);
}

}  // namespace verbsmith::shell

#include "shell/headless.h"

#include <memory>

#include "platform/posix/host_ide.h"
#include "shell/verbsmith_cls.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::shell {

void RunWizardSession(Host& host, forms::FormsRuntime& runtime) {
  std::unique_ptr<HostIde> ide = MakeHostIde(host.fs, host.processes);
  VerbsmithCls addIn(host, [&runtime](Host& h) { return std::make_unique<FrmVerbsmith>(runtime, h); });
  // The environment is handed over before the first run, so the managers
  // and the wizard window get it.
  addIn.ConnectAddIn(ide.get());
  addIn.OnConnection(ide.get(), connectmode::kExternal);
  addIn.OnDisconnection(0);
}

void RunHeadless(Host& host, forms::ActionSource& actions, SessionEvents& events) {
  forms::FormsRuntime runtime(host.screen, events, &actions);
  RunWizardSession(host, runtime);
}

}  // namespace verbsmith::shell

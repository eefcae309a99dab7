#pragma once
// One wizard run for tests of the steps: the real managers wired to the
// wizard window as the add-in wires them, on a host with the real file
// system and scripted dialogs, the window loaded on its start step.
//
//   test::WizardRun run;
//   run.gen.SetWizardPurpose(purpose::kEdit);
//   run.window.GoTo(Step::kIntro, Step::kAddBMP, Direction::kNext);

#include "managers/manager_set.h"
#include "support/fake_ide.h"
#include "support/file_host.h"
#include "support/forms_session.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::test {

struct WizardRun {
  WizardRun() {
    window.InitializeObjects(&managers);
    window.Load();
  }

  FileHost env;
  FakeIde ide;
  ManagerSet managers{env.host};
  // The managers of the run, wired as the add-in wires them.
  bool renewed = (managers.SetVBInst(&ide), managers.Renew(), true);
  GeneralMgrClass& gen = managers.General();
  ClassMgrClass& cls = managers.Class();
  ModuleMgrClass& module = managers.Module();
  FormMgrClass& form = managers.Form();
  BitMapMgrClass& bitmaps = managers.Bitmap();
  FormsSession session;
  FrmVerbsmith window{session.runtime, env.host};
};

}  // namespace verbsmith::test

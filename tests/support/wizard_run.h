#pragma once
// One wizard run for tests of the steps: the real managers wired to the
// wizard window as the add-in wires them, on a host with the real file
// system and scripted dialogs, the window loaded on its start step.
//
//   test::WizardRun run;
//   run.gen.SetWizardPurpose(purpose::kEdit);
//   run.window.GoTo(Step::kIntro, Step::kAddBMP, Direction::kNext);

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "model/general_mgr_class.h"
#include "resources/bitmap_mgr_class.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/file_host.h"
#include "support/forms_session.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::test {

struct WizardRun {
  WizardRun() {
    connection.genMgr = &gen;
    connection.classMgr = &cls;
    connection.moduleMgr = &module;
    connection.formMgr = &form;
    connection.bitmapMgr = &bitmaps;
    connection.vbInst = &ide;
    gen.InitializeObjects(&connection);
    cls.InitializeObjects(&connection);
    form.InitializeObjects(&connection);
    bitmaps.InitializeObjects(&connection);
    module.InitializeObjects(&connection);
    window.InitializeObjects(&connection);
    window.Load();
  }

  FileHost env;
  LineBuffer lines;
  GeneralMgrClass gen{env.host, lines};
  ClassMgrClass cls{env.host, lines};
  ModuleMgrClass module{env.host, lines};
  FormMgrClass form{env.host, lines};
  BitMapMgrClass bitmaps{env.host, lines};
  FakeIde ide;
  FakeConnection connection;
  FormsSession session;
  FrmVerbsmith window{session.runtime, env.host};
};

}  // namespace verbsmith::test

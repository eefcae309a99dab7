#include "wizard/command_name_step.h"

#include <gtest/gtest.h>

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
#include "support/temp_dir.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {
namespace {

class EmptyCommandSet : public CommandSet {
 public:
  void OpenCommandSet(const std::string&, const std::string&) override {}
  int16_t CommandCount() override { return 0; }
  int16_t FindCommand(int32_t) override { return -1; }
  CommandEntry GetCommand(int16_t) override { throw VbError(5, "Test", "no entries"); }
  void AddCommand(const CommandEntry&) override {}
  void RemoveCommand(const std::string&) override {}
};

class EmptyCommandSets : public CommandSetFactory {
 public:
  std::unique_ptr<CommandSet> Create() override { return std::make_unique<EmptyCommandSet>(); }
};

std::string RegEscaped(const std::string& text) {
  std::string escaped;
  for (char c : text) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return escaped;
}

// The command found for a project that is not a Visual Basic project is
// registered under the ProgID found: a run without a project step must not
// keep the default project name, nor a class name that only part of the
// ProgID holds.
TEST(CommandNameStepTest, AddOfAnotherProjectTakesItsNamesFromTheProgIDFound) {
  test::TempDir dir;
  dir.MakeDir("Pan/bin");
  dir.MakeDir("Pan/src");
  const auto reg = dir.Write("commands.reg",
                             "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\AcmeB.PanTool\\Clsid]\r\n@=\"{1}\"\r\n\r\n"
                             "[HKEY_CLASSES_ROOT\\CLSID\\{1}\\InprocServer32]\r\n@=\"" +
                                 RegEscaped(dir.WindowsPath("Pan/bin/Pan.dll")) + "\"\r\n");
  test::FileHost files;
  files.registry.LoadFile(reg.string());
  EmptyCommandSets sets;
  Host host{files.files,
            files.registry,
            files.profiles,
            files.settings,
            files.processes,
            files.dialogs,
            files.screen,
            sets,
            files.err,
            "",
            ""};
  LineBuffer lines;
  GeneralMgrClass gen(host, lines);
  ClassMgrClass cls(host, lines);
  ModuleMgrClass module(host, lines);
  FormMgrClass form(host, lines);
  BitMapMgrClass bitmaps(host, lines);
  test::FakeIde ide;
  test::FakeConnection connection;
  connection.genMgr = &gen;
  connection.moduleMgr = &module;
  connection.classMgr = &cls;
  connection.formMgr = &form;
  connection.bitmapMgr = &bitmaps;
  connection.vbInst = &ide;
  gen.InitializeObjects(&connection);
  cls.InitializeObjects(&connection);
  module.InitializeObjects(&connection);
  form.InitializeObjects(&connection);
  bitmaps.InitializeObjects(&connection);
  FormsSession session;
  FrmVerbsmith window(session.runtime, host);
  window.InitializeObjects(&connection);

  session.actions.Click("optAddCommand")
      .Click("optVCProject")
      .Click("cmdIntroNext")
      .Type("txtCmdName", "Pan")
      .Type("txtCmdDescription", "Pans the map")
      .Type("txtCmdToolTip", "Pan")
      .Click("cmdCmdNameNext")
      .Then([&] {
        EXPECT_TRUE(window.Control("fraCommandClassification").Visible());
        EXPECT_EQ(gen.ProjectName(), "AcmeB");
        EXPECT_EQ(cls.Classname(), "PanTool");
        EXPECT_EQ(module.ModuleName(), "modPanTool");
        EXPECT_EQ(gen.CurrentPathSrc(), dir.WindowsPath("Pan/src/"));
      })
      .Click("cmdComClassCancel");
  window.ShowModal();
  EXPECT_TRUE(files.Prompts().empty());
}

}  // namespace
}  // namespace verbsmith

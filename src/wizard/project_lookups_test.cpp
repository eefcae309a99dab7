#include "wizard/project_lookups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/texts.h"
#include "platform/registry.h"
#include "support/file_host.h"
#include "support/forms_session.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"
#include "wizard/frm_multi_cmd.h"

namespace verbsmith {
namespace {

class FindProgIDTest : public ::testing::Test {
 protected:
  FindProgIDTest() {
    files.registry.LoadFile(test::SourceTreePath("tests/fixtures/registration/progids.reg").string());
  }

  void TearDown() override {
    EXPECT_EQ(files.registry.OpenHandleCount(), 0u) << "a registry key was left open";
  }

  std::string Find(std::string text) { return FindProgID(files.host, session.runtime, text); }

  test::FileHost files;
  FormsSession session;
};

TEST_F(FindProgIDTest, AClassNameTooLongToReadIsPassedOver) {
  // The over-long name also starts "Survey.L": it is neither listed nor
  // the end of the enumeration, so the keys sorted after it are found.
  RegKey key = 0;
  ASSERT_EQ(files.registry.OpenKey(regroot::kClassesRoot, "Survey." + std::string(300, 'L'), &key),
            regcode::kSuccess);
  files.registry.CloseKey(key);
  EXPECT_EQ(Find("Survey.L"), "Survey.LineCmd");
  EXPECT_EQ(Find("ZoneCmd"), "Survey.ZoneCmd");
}

class ChooseProjectFileTest : public ::testing::Test {
 protected:
  ChooseProjectFileTest() {
    dir.Write("proj/src/Alpha.vbp", "Type=OleDll\r\n");
    dir.Write("proj/src/Beta.vbp", "Type=OleDll\r\n");
    dir.Write("proj/src/notes.txt", "x");
    dir.Write("single/src/Only.vbp", "Type=OleDll\r\n");
  }
  std::string Pattern(const char* project) { return dir.WindowsPath(project) + "\\src\\*.vbp"; }

  test::TempDir dir;
  test::FileHost files;
  FormsSession session;
};

TEST_F(ChooseProjectFileTest, CancelOrRunningOutOfActionsGivesAnEmptyText) {
  session.actions.Choose("lstMultiCmd", 0).Click("cmdCancel");
  EXPECT_EQ(ChooseProjectFile(files.host, session.runtime, Pattern("proj")), "");
  // Nothing more queued: the dialog is closed as by its close box.
  EXPECT_EQ(ChooseProjectFile(files.host, session.runtime, Pattern("proj")), "");
}

TEST(FrmMultiCmdTest, TypedNameEnablesOkAndIsReturnedUnchanged) {
  FormsSession session;
  FrmMultiCmd dialog(session.runtime);
  dialog.LstMultiCmd().AddItem("A.vbp");
  session.actions.Type("txtMultiCmd", "Typed Name")
      .Then([&] { EXPECT_TRUE(dialog.CmdOK().Enabled()); })
      .Type("txtMultiCmd", "")
      .Then([&] { EXPECT_FALSE(dialog.CmdOK().Enabled()); })
      .Type("txtMultiCmd", "Typed Name")
      .Click("cmdOK");
  dialog.ShowModal();
  EXPECT_EQ(dialog.TxtMultiCmd().Text(), "Typed Name");
  dialog.Unload();
  EXPECT_EQ(dialog.TxtMultiCmd().Text(), "");
}

}  // namespace
}  // namespace verbsmith

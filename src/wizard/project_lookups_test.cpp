#include "wizard/project_lookups.h"

#include <gtest/gtest.h>

#include "support/file_host.h"
#include "support/forms_session.h"
#include "support/temp_dir.h"
#include "wizard/frm_multi_cmd.h"

namespace verbsmith {
namespace {

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

TEST_F(ChooseProjectFileTest, OneMatchIsReturnedWithoutTheDialog) {
  EXPECT_EQ(ChooseProjectFile(files.host, session.runtime, Pattern("single")), "Only.vbp");
  EXPECT_TRUE(session.transcript.Lines().empty());
}

TEST_F(ChooseProjectFileTest, NoMatchGivesAnEmptyText) {
  EXPECT_EQ(ChooseProjectFile(files.host, session.runtime, Pattern("nothing")), "");
}

TEST_F(ChooseProjectFileTest, SeveralMatchesLetTheUserChooseWithTheProjectTexts) {
  session.actions
      .Then([this] {
        forms::Form* dialog = session.runtime.ActiveModalForm();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Caption(), "Choose a project file.");
        EXPECT_EQ(
            dialog->Control("Label1").Caption(),
            "Multiple project files have been located.  Choose the project you wish to add to the command "
            "set.");
        EXPECT_EQ(dialog->Control("Label2").Caption(), "Projects found:");
        EXPECT_EQ(dialog->Control("Label3").Caption(), "Project to process:");
        EXPECT_EQ(dialog->Control<forms::ListBox>("lstMultiCmd").ListCount(), 2);
        EXPECT_FALSE(dialog->Control("cmdOK").Enabled());
      })
      .Choose("lstMultiCmd", "Beta.vbp")
      .Click("cmdOK");
  EXPECT_EQ(ChooseProjectFile(files.host, session.runtime, Pattern("proj")), "Beta.vbp");
}

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

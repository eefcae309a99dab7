// A person's gestures in the window are the runtime's user actions: a
// session driven by gestures records the script lines a person would write
// for it, and that script run headless prints the window's transcript.

#include "support/window_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/script/script_run.h"
#include "platform/posix/host_ide.h"
#include "shell/headless.h"
#include "support/file_host.h"
#include "support/temp_dir.h"
#include "wizard/frm_multi_cmd.h"

namespace verbsmith::qt {
namespace {

// The transcript of a headless run of the script; `show` shows the form.
std::string Replay(const std::string& script, const std::function<void(Host&, forms::FormsRuntime&)>& show) {
  test::FileHost env;
  forms::RunScript(script, env.dialogs, env.transcript, [&](forms::ActionSource& actions) {
    forms::FormsRuntime runtime(env.screen, env.transcript, &actions);
    show(env.host, runtime);
  });
  return env.transcript.Text();
}

TEST(WindowSessionTest, StartStepGesturesAreTheScriptLinesAPersonWouldWrite) {
  test::WindowSession session;
  // The help file is not where the add-in expects it: help asks for it.
  test::TempDir dir;
  const auto helpFile = dir.Write("Verbsmith52.chm", "");
  // Select all first: the boxes start with the names the host knows.
  session.driver.Key("Text4", Qt::Key_A, Qt::ControlModifier)
      .Type("Text4", "Zed")
      .Key("Text4", Qt::Key_Tab)
      .Key("Text3", Qt::Key_A, Qt::ControlModifier)
      .Type("Text3", "At")
      .Click("optAddCommand")
      .Click("optVBProject")
      .Click("cmdIntroBack")  // disabled: nothing happens
      .Key("cmdIntroHelp", Qt::Key_F1)
      .PickFile(QString::fromStdString(helpFile.string()))
      .Key("optVBProject", Qt::Key_Space)
      .Key("Text3", Qt::Key_Escape);  // Cancel, as the step's cancel button
  shell::RunWizardSession(session.host, *session.ide, session.runtime);
  const std::string transcript = session.Finish();

  EXPECT_EQ(session.recording.Script(),
            "type Text4 Z\ntype Text4 Ze\ntype Text4 Zed\nleave Text4\ntype Text3 A\ntype Text3 At\n"
            "click optAddCommand\nclick optVBProject\nfile " +
                dir.WindowsPath("Verbsmith52.chm") +
                "\nkey cmdIntroHelp F1\nkey optVBProject Space\n"
                "key Text3 Escape\n");
  EXPECT_THAT(transcript, ::testing::HasSubstr("> leave Text4\nfocus Text3\n"));
  EXPECT_EQ(transcript, Replay(session.recording.Script(), [](Host& host, forms::FormsRuntime& runtime) {
              shell::RunWizardSession(host, *MakeHostIde(host.fs, host.processes), runtime);
            }));
}

TEST(WindowSessionTest, TheCloseBoxAndRunningOutCloseTheWizardAsInAScript) {
  test::WindowSession closed;
  closed.driver.CloseBox("frmVerbsmith");
  shell::RunWizardSession(closed.host, *closed.ide, closed.runtime);
  EXPECT_THAT(closed.Finish(), ::testing::HasSubstr("> close\nform unloaded frmVerbsmith\n"));
  EXPECT_EQ(closed.recording.Script(), "close\n");

  test::WindowSession stopped;
  shell::RunWizardSession(stopped.host, *stopped.ide, stopped.runtime);
  EXPECT_THAT(stopped.Finish(), ::testing::HasSubstr("no more actions: closing frmVerbsmith\n"));
}

// A form that asks: a message box, then a file dialog, then done.
class AskForm : public forms::Form {
 public:
  AskForm(forms::FormsRuntime& runtime, Dialogs& dialogs) : Form(runtime, "frmAsk") {
    SetCaption("Ask");
    auto& answer = Add<forms::TextBox>("txtAnswer");
    answer.Move(120, 120, 3000, 315);
    auto& ask = Add<forms::CommandButton>("cmdAsk");
    ask.SetCaption("&Ask");
    ask.Move(120, 600, 1200, 375);
    ask.onClick = [&dialogs, &answer] {
      const int reply = dialogs.MsgBox("Keep the \"old\" one?", mb::kYesNoCancel | mb::kQuestion, "Asking");
      answer.SetText(std::string(MsgBoxResultName(reply)));
    };
    auto& pick = Add<forms::CommandButton>("cmdPick");
    pick.SetCaption("&Pick");
    pick.Move(1440, 600, 1200, 375);
    pick.onClick = [&dialogs, &answer] {
      const auto file =
          dialogs.ShowOpen({"Pick a bitmap", "Bitmaps (*.bmp)|*.bmp", 1, "bmp", "", ofn::kFileMustExist});
      answer.SetText(file ? file->fileTitle : "none");
    };
    // The chooser, a modal dialog of its own, picks the answer from a list.
    auto& choose = Add<forms::CommandButton>("cmdChoose");
    choose.SetCaption("&Choose");
    choose.Move(120, 1080, 1200, 375);
    choose.onClick = [this, &answer] {
      FrmMultiCmd chooser(Runtime());
      chooser.LstMultiCmd().AddItem("first.vbp");
      chooser.LstMultiCmd().AddItem("second.vbp");
      chooser.ShowModal();
      answer.SetText(chooser.TxtMultiCmd().Text());
      chooser.Unload();
    };
    auto& done = Add<forms::CommandButton>("cmdDone");
    done.SetCaption("Done");
    done.Move(2760, 600, 1200, 375);
    done.onClick = [this] { Hide(); };
  }
};

TEST(WindowSessionTest, BoxesFilesAndModalDialogsAnsweredInTheWindowReplayHeadless) {
  test::TempDir dir;
  dir.Write("logo.bmp", "BM");
  test::WindowSession session;
  session.driver.Click("cmdAsk")
      .Answer("No")
      .Click("cmdPick")
      .PickFile(QString::fromStdString(dir.HostPath("logo.bmp").string()))
      .Key("cmdAsk", Qt::Key_Enter)
      .Answer("Cancel")
      .Click("cmdChoose")
      .ClickEntry("lstMultiCmd", 1)
      .Click("cmdOK")
      .Click("cmdDone");
  AskForm form(session.runtime, session.dialogs);
  form.ShowModal();
  const std::string transcript = session.Finish();

  EXPECT_EQ(session.recording.Script(),
            "answer No\nclick cmdAsk\nfile " + dir.WindowsPath("logo.bmp") +
                "\nclick cmdPick\nanswer Cancel\nkey cmdAsk Enter\nclick cmdChoose\n"
                "choose lstMultiCmd 1\nclick cmdOK\nclick cmdDone\n");
  EXPECT_THAT(transcript, ::testing::HasSubstr("> answer No\n> click cmdAsk\nfocus cmdAsk\n"
                                               "message box (Question, Yes/No/Cancel) \"Asking\": "
                                               "Keep the \"old\" one?\n  answer No\n"));
  EXPECT_THAT(transcript, ::testing::HasSubstr("> click cmdOK\nfocus cmdOK\nform hidden frmMultiCmd\n"));
  EXPECT_EQ(transcript, Replay(session.recording.Script(), [](Host& host, forms::FormsRuntime& runtime) {
              AskForm replayed(runtime, host.dialogs);
              replayed.ShowModal();
            }));
}

// One control of each kind that takes a person's actions.
class KindsForm : public forms::Form {
 public:
  KindsForm(forms::FormsRuntime& runtime, const std::string& directory) : Form(runtime, "frmKinds") {
    Move(0, 0, 6000, 6000);
    auto& list = Add<forms::ComboBox>("cboList");
    list.SetStyle(forms::combo::kDropdownList);
    list.AddItem("alpha");
    list.AddItem("beta");
    list.Move(120, 120, 2000, 315);
    Add<forms::CheckBox>("chkOn").Move(120, 600, 2000, 255);
    Add<forms::VScrollBar>("VScroll1").Move(2400, 120, 255, 1500);
    Control<forms::VScrollBar>("VScroll1").SetMax(10);
    auto& dir = Add<forms::DirListBox>("dirPick");
    dir.Move(120, 1800, 3000, 1500);
    dir.SetPath(directory);
    Add<forms::TextBox>("txtNotes").Move(120, 3500, 3000, 1200);
  }
};

TEST(WindowSessionTest, EveryKindOfControlTakesItsScriptAction) {
  test::TempDir dir;
  dir.MakeDir("sub");
  const std::string directory = dir.WindowsPath();
  test::WindowSession session;
  session.driver.Key("cboList", Qt::Key_Down)
      .Click("chkOn")
      .Key("VScroll1", Qt::Key_Down)
      .Type("txtNotes", "ab")
      .Then([] {
        auto* list = qobject_cast<QListWidget*>(test::WindowDriver::Widget("dirPick"));
        const QRect sub = list->visualItemRect(list->item(list->count() - 1));
        // A double click: its first click, then the second.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, sub.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, sub.center());
      })
      .CloseBox("frmKinds");
  KindsForm form(session.runtime, directory);
  form.ShowModal();
  const std::string transcript = session.Finish();

  EXPECT_EQ(session.recording.Script(),
            "choose cboList alpha\nclick chkOn\nchoose VScroll1 1\ntype txtNotes a\n"
            "type txtNotes ab\nchoose dirPick " +
                dir.WindowsPath("sub") + "\nclose\n");
  EXPECT_EQ(form.Control<forms::DirListBox>("dirPick").Path(), dir.WindowsPath("sub"));
  EXPECT_EQ(transcript, Replay(session.recording.Script(), [&](Host&, forms::FormsRuntime& runtime) {
              KindsForm replayed(runtime, directory);
              replayed.ShowModal();
            }));
}

}  // namespace
}  // namespace verbsmith::qt

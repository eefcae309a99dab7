// A person's gestures on the wizard's native window, sent as the Windows
// messages a click or a keystroke makes, are the script a person would
// write: a create run records the example session's script and prints its
// transcript, which the same script prints headless.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/win32/win32_platform.h"
#include "platform/transcript.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"
#include "win32view/win32_wizard.h"

namespace verbsmith::win32view {
namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The script without its comments.
std::string Actions(const std::string& script) {
  std::istringstream lines(script);
  std::string line, actions;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] != '#') actions += line + "\n";
  }
  return actions;
}

// Gestures made one at a time, each when the wizard waits for a person and
// no message is waiting; when they run out the wizard closes.
class Gestures {
 public:
  explicit Gestures(Win32ActionSource& source) : source_(source) {
    source.onIdle = [this] { Next(); };
  }
  Gestures& Click(const std::string& control) {
    return Then([this, control] { SendMessageW(Control(control), BM_CLICK, 0, 0); });
  }
  // Characters typed into the control with the focus.
  Gestures& Type(const std::wstring& text) {
    return Then([this, text] {
      for (wchar_t c : text) PostMessageW(Focused(), WM_CHAR, c, 1);
    });
  }
  Gestures& Key(WPARAM key) {
    return Then([this, key] { PostMessageW(Focused(), WM_KEYDOWN, key, 1); });
  }
  // The key with Alt held, as Windows sends it: a system key.
  Gestures& AltKey(WPARAM key) {
    return Then([this, key] { PostMessageW(Focused(), WM_SYSKEYDOWN, key, 1 | (LPARAM{1} << 29)); });
  }
  // A double click on the last entry of a list box.
  Gestures& DoubleClickLastEntry(const std::string& control) {
    return Then([this, control] {
      HWND list = Control(control);
      const LRESULT index = SendMessageW(list, LB_GETCOUNT, 0, 0) - 1;
      RECT entry{};
      SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
      const LPARAM at = MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
      for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    });
  }
  Gestures& Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    return *this;
  }

 private:
  HWND Control(const std::string& name) const {
    const FormWindow* window = source_.FrontWindow();
    return window != nullptr ? window->ControlHandle(name) : nullptr;
  }
  // The control the runtime's focus is on. Windows gives the keyboard focus
  // only to an active window, and beside other tests' windows under one
  // Wine desktop this one need not be active: GetFocus() may be none.
  HWND Focused() const {
    const FormWindow* window = source_.FrontWindow();
    const forms::Control* active = window != nullptr ? window->Model().ActiveControl() : nullptr;
    return active != nullptr ? window->ControlHandle(active->Name()) : GetFocus();
  }
  void Next() {
    if (steps_.empty()) return source_.Stop();
    const std::function<void()> step = std::move(steps_.front());
    steps_.pop_front();
    step();
  }

  Win32ActionSource& source_;
  std::deque<std::function<void()>> steps_;
};

TEST(Win32WindowTest, ACreateRunByWindowsMessagesRecordsTheExampleSessionAndItsTranscript) {
  const std::string script = Read(test::SourceTreePath("examples/win32_window_create.script"));
  const std::string expected = Read(test::SourceTreePath("examples/win32_window_create.transcript"));
  test::TempDir work;
  work.MakeDir("Projects");
  // The project step starts in the current directory, as the example's run does.
  ASSERT_TRUE(SetCurrentDirectoryW(work.HostPath().wstring().c_str()));

  StringTranscript out;
  Win32Wizard wizard(nullptr, out);
  app::Win32Platform platform(wizard.Recording(), wizard.PersonDialogs(), wizard.GetScreen());
  Gestures gestures(wizard.Source());
  gestures.Click("optCreateProject")
      .Click("cmdIntroNext")
      .Type(L"Roads")
      .DoubleClickLastEntry("dirProjLoc")
      .Click("cmdProjNext")
      .Type(L"Buffer")
      .Key(VK_TAB)
      .Type(L"Buffers")
      .Key(VK_TAB)
      .Type(L"Buf")
      .Click("cmdCmdNameNext")
      .Click("cmdAddBMPCancel");
  wizard.Run(platform.GetHost(), platform.GetIde());
  out.Happened(event::EndOfRun{});

  const std::string workPath = work.WindowsPath();
  EXPECT_EQ(Replaced(wizard.Recording().Script(), workPath, "@WORK@"), Actions(script));
  EXPECT_EQ(Replaced(out.Text(), workPath, "@WORK@"), expected);
}

TEST(Win32WindowTest, AccessKeysEnterAndEscapeAreTheRuntimesKeys) {
  test::TempDir work;
  ASSERT_TRUE(SetCurrentDirectoryW(work.HostPath().wstring().c_str()));
  StringTranscript out;
  Win32Wizard wizard(nullptr, out);
  app::Win32Platform platform(wizard.Recording(), wizard.PersonDialogs(), wizard.GetScreen());
  Gestures gestures(wizard.Source());
  gestures.AltKey('C').Key(VK_RETURN).Type(L"Roads").Key(VK_ESCAPE);
  wizard.Run(platform.GetHost(), platform.GetIde());

  EXPECT_EQ(wizard.Recording().Script(),
            "key cmdIntroNext Alt+C\nkey optCreateProject Enter\ntype txtProjName R\ntype txtProjName Ro\n"
            "type txtProjName Roa\ntype txtProjName Road\ntype txtProjName Roads\nkey txtProjName Escape\n");
  EXPECT_THAT(out.Text(), ::testing::HasSubstr("frame shown fraProjName\nfocus txtProjName\n"));
  EXPECT_THAT(out.Text(), ::testing::HasSubstr("form unloaded frmVerbsmith\n"));
}

}  // namespace
}  // namespace verbsmith::win32view

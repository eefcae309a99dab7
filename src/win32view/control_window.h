#pragma once
// The native window that shows one control of a form. It holds no state of
// its own: Sync makes the window show what the control holds now, and what
// a person does to it is posted as a user action for the runtime to carry
// out. Every control's window is a child of the form's window, placed where
// its frames put it, so that the form's window hears all notifications.

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/control.h"
#include "forms/twips_scale.h"
#include "forms/user_action.h"
#include "platform/file_system.h"
#include "platform/win32/windows_api.h"

namespace verbsmith::win32view {

// What every control window of one form shares.
struct ViewContext {
  forms::TwipsScale scale;
  // Lists drives and directories, and finds picture files; may be null.
  FileSystem* files = nullptr;
  // Hands a person's action to the runtime.
  std::function<void(forms::UserAction)> post;
  // The form's window, the parent of every control window but those in a
  // picture box, which shows only what lies within it.
  HWND form = nullptr;
  std::unordered_map<const forms::Control*, HWND> pictureWindows;
  // Set while the windows are brought in line with the runtime: the
  // notifications that causes are no person's.
  bool syncing = false;
};

class ControlWindow {
 public:
  // `handle` may be null for a control that is never shown.
  ControlWindow(forms::Control& control, HWND handle, ViewContext& context);
  virtual ~ControlWindow() = default;
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  forms::Control& Model() const { return control_; }
  HWND Handle() const { return handle_; }
  // The windows whose keys and mouse presses are the control's.
  virtual std::vector<HWND> InputWindows() const { return {handle_}; }

  // Place, font, enabled and visible state, then what the kind shows.
  void Sync();
  // A notification (WM_COMMAND's code) from the control's window.
  virtual void Notified(int /*code*/) {}
  // WM_VSCROLL's request, for a scroll bar.
  virtual void Scrolled(int /*request*/) {}
  // A left button press at a point of one of InputWindows(); true when it
  // was used up.
  virtual bool MousePressed(HWND /*window*/, POINT /*point*/) { return false; }
  // Whether the kind edits text or moves within itself with the keys (so
  // plain keys belong to the window), rather than being pressed.
  virtual bool TakesTyping() const { return false; }

 protected:
  virtual void SyncState() = 0;
  // Pixels the window is taller than the control (a combo box's list).
  virtual int ExtraHeight() const { return 0; }
  ViewContext& Context() const { return context_; }
  void Post(forms::ActionKind kind, std::string text = {}) const {
    context_.post(forms::UserAction(kind, control_.Name(), std::move(text)));
  }
  void PostChoice(int index) const {
    forms::UserAction action(forms::ActionKind::kChoose, control_.Name());
    action.index = index;
    context_.post(std::move(action));
  }

 private:
  forms::Control& control_;
  HWND handle_;
  ViewContext& context_;
  RECT placed_{};
  HFONT font_ = nullptr;
};

// The window of a system class that shows `control`, a child of the form's
// window or of the picture box holding it.
HWND MakeChild(const wchar_t* windowClass, const forms::Control& control, DWORD style,
               const ViewContext& context, DWORD extendedStyle = 0);
// The window's text, and a new one set only when it differs.
std::wstring WindowText(HWND window);
void SetWindowTextIfChanged(HWND window, const std::wstring& text);

// The window for any kind of control; the context must outlive it.
std::unique_ptr<ControlWindow> MakeControlWindow(forms::Control& control, ViewContext& context);

// Makers by kind, in the files of their kinds.
std::unique_ptr<ControlWindow> MakeFrameWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeLabelWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeButtonWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakePictureWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeHiddenWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeTextBoxWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeComboBoxWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeListBoxWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeScrollBarWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeDriveListWindow(forms::Control& control, ViewContext& context);
std::unique_ptr<ControlWindow> MakeDirListWindow(forms::Control& control, ViewContext& context);

}  // namespace verbsmith::win32view

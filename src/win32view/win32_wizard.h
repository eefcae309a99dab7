#pragma once
// The wizard in native windows, as `verbsmith gui` shows it on Windows and
// the add-in shows it inside the development environment: modal over the
// owner it is given (whose window takes no input meanwhile but keeps
// repainting), every gesture recorded as the script line that does the
// same, and what a person would see told to `out` as `verbsmith run` tells
// it.
//
//   Win32Wizard wizard(ownerWindow, transcript);
//   Host host = ...;                    // its dialogs and screen: Dialogs(), GetScreen()
//   wizard.Run(host, ide);              // returns when the wizard has closed
//   write(wizard.Recording().Script());

#include "forms/script/recorded_dialogs.h"
#include "forms/script/session_recording.h"
#include "platform/host.h"
#include "platform/ide.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/win32/win32_dialogs.h"
#include "win32view/win32_action_source.h"
#include "win32view/window_screen.h"

namespace verbsmith::win32view {

class Win32Wizard {
 public:
  // `owner` may be null: the wizard's window then stands on its own.
  Win32Wizard(HWND owner, SessionEvents& out);

  // The host's dialogs: message boxes and file dialogs a person answers,
  // owned by the wizard's window, their answers recorded.
  Dialogs& PersonDialogs() { return dialogs_; }
  // The host's screen: the display, and the wizard's windows.
  Screen& GetScreen() { return screen_; }
  Win32ActionSource& Source() { return source_; }
  forms::SessionRecording& Recording() { return recording_; }

  // Runs the wizard on `host`, whose dialogs and screen are this object's.
  // The recording is settled and the windows are gone however it ends.
  void Run(Host& host, Ide& ide);

 private:
  HWND owner_;
  forms::SessionRecording recording_;
  ScriptedDialogs record_{recording_};
  Win32Dialogs person_;
  forms::RecordedDialogs dialogs_{person_, record_, recording_};
  WindowScreen screen_;
  Win32ActionSource source_{owner_, screen_};
};

}  // namespace verbsmith::win32view

#pragma once
// The Windows source of user actions: the modal loops of the forms pull
// their actions from here. Asked for the next one, it brings the windows in
// line with the runtime (a window for each form shown, hidden when the form
// is), then dispatches the thread's messages until a person's click,
// keystroke or edit gives an action. Every message is dispatched, so the
// windows of the thread's other owners keep repainting meanwhile.

#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "forms/action_source.h"
#include "forms/forms_runtime.h"
#include "forms/script/gesture_queue.h"
#include "win32view/form_window.h"
#include "win32view/window_screen.h"

namespace verbsmith::win32view {

class Win32ActionSource : public forms::ActionSource {
 public:
  // `owner`: the window the first form is shown over; may be null.
  Win32ActionSource(HWND owner, WindowScreen& screen);
  ~Win32ActionSource() override;
  Win32ActionSource(const Win32ActionSource&) = delete;
  Win32ActionSource& operator=(const Win32ActionSource&) = delete;

  // The runtime whose forms are shown, and the files its lists show.
  void Attach(forms::FormsRuntime& runtime, FileSystem* files);
  void Detach() { runtime_ = nullptr, files_ = nullptr; }
  forms::FormsRuntime* Runtime() const { return runtime_; }
  // Every action handed out is recorded here too.
  void SetRecording(forms::SessionRecording* recording) { gestures_.SetRecording(recording); }

  std::optional<forms::UserAction> Next() override;

  // A person's action: the waiting modal loop gets it.
  void Post(forms::UserAction action) { gestures_.Post(std::move(action)); }
  // No more actions: every open form closes.
  void Stop() { gestures_.Stop(); }

  // Shows the forms the runtime shows, as they are now.
  void Sync();
  // Destroys every window (the session has ended).
  void CloseWindows();
  // The window of the form with this name, or nullptr when it has none.
  FormWindow* WindowOf(std::string_view formName) const;
  // The window of the form a person works in now, or nullptr.
  FormWindow* FrontWindow() const;

  // Called whenever it waits for a person and no message is waiting. Tests
  // drive the windows from here.
  std::function<void()> onIdle;
  // Called once, after a window is painted for the first time.
  std::function<void(FormWindow&)> onFirstPaint;

 private:
  FormWindow& WindowFor(forms::Form& form);
  void DispatchUntilAction();

  HWND owner_;
  WindowScreen& screen_;
  forms::FormsRuntime* runtime_ = nullptr;
  FileSystem* files_ = nullptr;
  forms::GestureQueue gestures_;
  std::unordered_map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
};

}  // namespace verbsmith::win32view

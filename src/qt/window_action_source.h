#pragma once
// The desktop's source of user actions: the modal loops of the forms pull
// their actions from here. Asked for the next one, it brings the windows in
// line with the runtime (a window for each form shown, hidden when the form
// is), then runs a nested event loop until a person's click, keystroke or
// edit gives an action. So the runtime carries out every action, the same
// way it carries out a script's, and the view only shows its state.
//
//   WindowActionSource source(&files);
//   FormsRuntime runtime(screen, transcript, &source);
//   source.Attach(runtime);
//   form.ShowModal();   // returns when a person has closed it

#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "forms/action_source.h"
#include "forms/forms_runtime.h"
#include "forms/script/gesture_queue.h"
#include "forms/script/session_recording.h"
#include "qt/form_window.h"
#include "qt/qt_screen.h"

class QEventLoop;

namespace verbsmith::qt {

class WindowActionSource : public forms::ActionSource {
 public:
  // `files` lists drives and directories for their lists; may be null.
  explicit WindowActionSource(FileSystem* files = nullptr);
  ~WindowActionSource() override;
  WindowActionSource(const WindowActionSource&) = delete;
  WindowActionSource& operator=(const WindowActionSource&) = delete;

  // The runtime whose forms are shown: before the first form is shown.
  void Attach(forms::FormsRuntime& runtime) { runtime_ = &runtime; }
  // Every action handed out is recorded here too.
  void SetRecording(forms::SessionRecording* recording) { gestures_.SetRecording(recording); }
  // Told which window shows which form's handle.
  void SetScreen(QtScreen* screen) { screen_ = screen; }

  std::optional<forms::UserAction> Next() override;

  // A person's action: the waiting modal loop gets it.
  void Post(forms::UserAction action);
  // No more actions: the waiting loop, and every later one, gets none, so
  // every open form closes.
  void Stop();

  // Whether it is waiting for a person and nothing is waiting to be done.
  bool Idle() const { return waiting_ != nullptr && gestures_.Waiting(); }
  // Shows the forms the runtime shows, as they are now.
  void Sync();
  // Hides every window (the session has ended).
  void HideWindows();
  // The window of the form with this name, or nullptr when it has none.
  FormWindow* WindowOf(std::string_view formName) const;

  // Called each time it starts to wait for a person, after syncing. Tests
  // drive the window from here.
  std::function<void()> onWaiting;
  // Called once, when a window is painted for the first time.
  std::function<void(FormWindow&)> onFirstPaint;

 private:
  FormWindow& WindowFor(forms::Form& form);

  FileSystem* files_;
  forms::FormsRuntime* runtime_ = nullptr;
  QtScreen* screen_ = nullptr;
  std::unordered_map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
  forms::GestureQueue gestures_;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace verbsmith::qt

#pragma once
// The Dialogs port on the desktop: real message boxes and file-open
// dialogs, help pages and documents opened with the desktop's open verb.
// Every call is also handed, with the person's answer, to the dialogs that
// record it (the scripted ones: they tell the session as in a script's
// run), and every answer is told to the session's recording, so a window
// session and its replay tell the same events.

#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "forms/script/session_recording.h"
#include "platform/dialogs.h"
#include "platform/queued_dialogs.h"

namespace verbsmith::qt {

struct DesktopPaths {
  // A Windows-form path's host path, and back.
  std::function<std::string(const std::string& windowsPath)> toHost;
  std::function<std::string(const std::string& hostPath)> toWindows;
  // Opens a host file with the desktop's open verb; false when it could not.
  std::function<bool(const std::string& hostPath)> open;
};

class QtDialogs : public Dialogs {
 public:
  // `paths.open` may be left empty: the desktop's own service is used.
  QtDialogs(QueuedDialogs& record, DesktopPaths paths);

  void SetRecording(forms::SessionRecording* recording) { recording_ = recording; }

  int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
  std::optional<FileOpenResult> ShowOpen(const FileOpenRequest& request) override;
  // Keystrokes for another program cannot be sent from here; they are only
  // told to the session.
  void SendKeys(const std::string& keys) override;
  // Repaints and timers run; a person's input waits for the modal loop.
  void DoEvents() override;
  // Opens the topic's page (TOPIC.html beside the help file) when there is
  // one, else the help file itself.
  void ShowHelpTopic(const std::string& helpFile, int topic) override;
  long ShellOpen(const std::string& path) override;

 private:
  bool Open(const std::string& hostPath);

  QueuedDialogs& record_;
  DesktopPaths paths_;
  forms::SessionRecording* recording_ = nullptr;
};

// "Bitmaps (*.bmp)|*.bmp|All files|*.*" as the file dialog's name filters.
QStringList NameFilters(const std::string& filter);

}  // namespace verbsmith::qt

#pragma once
// The Dialogs port of a window session: a person answers the real message
// boxes and file dialogs, and each answer is also told to the session's
// recording and handed to the scripted dialogs, which tell the session as a
// script's run does. So a window session and its replay tell the same events.

#include "forms/script/session_recording.h"
#include "platform/dialogs.h"
#include "platform/queued_dialogs.h"

namespace verbsmith::forms {

class RecordedDialogs : public Dialogs {
 public:
  RecordedDialogs(Dialogs& person, QueuedDialogs& record, SessionRecording& recording)
      : person_(person), record_(record), recording_(recording) {}

  int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
  std::optional<FileOpenResult> ShowOpen(const FileOpenRequest& request) override;
  void SendKeys(const std::string& keys) override;
  void DoEvents() override;
  void ShowHelpTopic(const std::string& helpFile, int topic) override;
  long ShellOpen(const std::string& path) override;

 private:
  Dialogs& person_;
  QueuedDialogs& record_;
  SessionRecording& recording_;
};

}  // namespace verbsmith::forms

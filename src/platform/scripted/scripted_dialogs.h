#pragma once
// The Dialogs port answered from a queue instead of a person: message boxes
// take the next queued answer (or their default button), file-open dialogs
// the next queued path (or cancel). Every call is kept as a record and
// told to the session's events.
//
//   StringTranscript transcript;
//   ScriptedDialogs dialogs(transcript);
//   dialogs.QueueAnswer(mbresult::kNo);
//   ... code under test calls dialogs.MsgBox(...) ...
//   EXPECT_EQ(dialogs.MessageBoxes().at(0).answer, mbresult::kNo);

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box_names.h"
#include "platform/queued_dialogs.h"
#include "platform/session_events.h"

namespace verbsmith {

struct MessageBoxRecord {
  std::string prompt;
  int style = 0;
  std::string title;       // the default title when the caller gave none
  int answer = 0;          // one of mbresult
  bool defaulted = false;  // no usable queued answer: the default button was taken
};

struct FileDialogRecord {
  FileOpenRequest request;
  std::optional<FileOpenResult> answer;  // nullopt: cancelled
  bool defaulted = false;                // nothing queued: cancelled
};

struct HelpTopicRecord {
  std::string helpFile;
  int topic = 0;
};

class ScriptedDialogs : public QueuedDialogs {
 public:
  explicit ScriptedDialogs(SessionEvents& events);

  // Queues the answer (one of mbresult) for the next message box.
  void QueueAnswer(int answer) override;
  // Queues the next file-open dialog's answer: a Windows-form path, or
  // nullopt for cancel.
  void QueueFile(std::optional<std::string> path) override;
  // The value ShellOpen returns (above 32 means success).
  void SetShellOpenResult(long result) override { shellOpenResult_ = result; }

  size_t PendingAnswers() const override { return answers_.size(); }
  size_t PendingFiles() const override { return files_.size(); }

  int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
  std::optional<FileOpenResult> ShowOpen(const FileOpenRequest& request) override;
  void SendKeys(const std::string& keys) override;
  void DoEvents() override;
  void ShowHelpTopic(const std::string& helpFile, int topic) override;
  long ShellOpen(const std::string& path) override;

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::string>& SentKeys() const { return sentKeys_; }
  const std::vector<HelpTopicRecord>& HelpTopics() const { return helpTopics_; }
  const std::vector<std::string>& OpenedDocuments() const { return openedDocuments_; }
  int DoEventsCount() const { return doEventsCount_; }

 private:
  SessionEvents& events_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
  long shellOpenResult_ = 42;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<FileDialogRecord> fileDialogs_;
  std::vector<std::string> sentKeys_;
  std::vector<HelpTopicRecord> helpTopics_;
  std::vector<std::string> openedDocuments_;
  int doEventsCount_ = 0;
};

}  // namespace verbsmith

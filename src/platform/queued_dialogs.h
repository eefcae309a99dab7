#pragma once
// Dialogs that no person answers: each message box and file dialog takes
// the answer queued for it ahead of time. Scripts queue them; the window
// queues the answer a person just gave, so that it is written down as a
// script's would be.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace verbsmith {

class QueuedDialogs : public Dialogs {
 public:
  // Queues the answer (one of mbresult) for the next message box.
  virtual void QueueAnswer(int answer) = 0;
  // Queues the next file-open dialog's answer: a Windows-form path, or
  // nullopt for cancel.
  virtual void QueueFile(std::optional<std::string> path) = 0;
  // The value ShellOpen returns (above 32 means success).
  virtual void SetShellOpenResult(long result) = 0;

  virtual size_t PendingAnswers() const = 0;
  virtual size_t PendingFiles() const = 0;
};

}  // namespace verbsmith

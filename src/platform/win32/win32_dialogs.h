#pragma once
// The environment's dialogs on Windows: MessageBoxW, the common file-open
// dialog, the HTML Help viewer (hhctrl.ocx, loaded when first asked for)
// and the shell's "open" verb.

#include "platform/dialogs.h"

namespace verbsmith {

class Win32Dialogs final : public Dialogs {
 public:
  int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
  std::optional<FileOpenResult> ShowOpen(const FileOpenRequest& request) override;
  // To the active window, as Visual Basic's SendKeys: the environment's
  // main window while the wizard is hidden.
  void SendKeys(const std::string& keys) override;
  void DoEvents() override;
  void ShowHelpTopic(const std::string& helpFile, int topic) override;
  long ShellOpen(const std::string& path) override;
};

// A filter as "Description|*.ext" pairs turned into the common dialog's
// form: each part ended by a zero, the whole by a second one.
std::wstring CommonDialogFilter(const std::string& filter);

}  // namespace verbsmith

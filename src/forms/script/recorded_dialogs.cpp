#include "forms/script/recorded_dialogs.h"

namespace verbsmith::forms {

int RecordedDialogs::MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
  const int answer = person_.MsgBox(prompt, style, title);
  recording_.Answer(answer);
  record_.QueueAnswer(answer);
  return record_.MsgBox(prompt, style, title);
}

std::optional<FileOpenResult> RecordedDialogs::ShowOpen(const FileOpenRequest& request) {
  const std::optional<FileOpenResult> picked = person_.ShowOpen(request);
  const std::optional<std::string> file = picked ? std::optional(picked->fileName) : std::nullopt;
  recording_.File(file);
  record_.QueueFile(file);
  return record_.ShowOpen(request);
}

void RecordedDialogs::SendKeys(const std::string& keys) {
  record_.SendKeys(keys);
}

void RecordedDialogs::DoEvents() {
  record_.DoEvents();
  person_.DoEvents();
}

void RecordedDialogs::ShowHelpTopic(const std::string& helpFile, int topic) {
  record_.ShowHelpTopic(helpFile, topic);
  person_.ShowHelpTopic(helpFile, topic);
}

long RecordedDialogs::ShellOpen(const std::string& path) {
  record_.SetShellOpenResult(person_.ShellOpen(path));
  return record_.ShellOpen(path);
}

}  // namespace verbsmith::forms

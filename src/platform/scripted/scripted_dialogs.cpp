#include "platform/scripted/scripted_dialogs.h"

#include <algorithm>

#include "base/texts.h"

namespace verbsmith {

namespace {

// The name after the last backslash or slash.
std::string LastComponent(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

ScriptedDialogs::ScriptedDialogs(SessionEvents& events) : events_(events) {}

void ScriptedDialogs::QueueAnswer(int answer) {
  answers_.push_back(answer);
}

void ScriptedDialogs::QueueFile(std::optional<std::string> path) {
  files_.push_back(std::move(path));
}

int ScriptedDialogs::MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
  MessageBoxRecord record;
  record.prompt = prompt;
  record.style = style;
  record.title = title ? *title : std::string(text::kTitle);
  events_.Happened(event::MessageShown{style, record.title, prompt});

  const std::vector<int> buttons = MsgBoxButtons(style);
  event::MessageBoxAnswered answered;
  if (!answers_.empty()) {
    answered.queued = answers_.front();
    answers_.pop_front();
  }
  // A person cannot press a button the box does not have.
  const bool pressable =
      answered.queued && std::find(buttons.begin(), buttons.end(), *answered.queued) != buttons.end();
  record.answer = pressable ? *answered.queued : MsgBoxDefaultAnswer(style);
  record.defaulted = !pressable;
  answered.answer = record.answer;
  events_.Happened(answered);
  messageBoxes_.push_back(record);
  return record.answer;
}

std::optional<FileOpenResult> ScriptedDialogs::ShowOpen(const FileOpenRequest& request) {
  FileDialogRecord record;
  record.request = request;
  event::FileDialogAnswered answered{request.title, std::nullopt, !files_.empty()};
  if (files_.empty()) {
    record.defaulted = true;
  } else {
    if (files_.front()) {
      record.answer = FileOpenResult{*files_.front(), LastComponent(*files_.front())};
      answered.fileName = record.answer->fileName;
    }
    files_.pop_front();
  }
  events_.Happened(answered);
  fileDialogs_.push_back(record);
  return record.answer;
}

void ScriptedDialogs::SendKeys(const std::string& keys) {
  sentKeys_.push_back(keys);
  events_.Happened(event::KeysSent{keys});
}

void ScriptedDialogs::DoEvents() {
  ++doEventsCount_;
}

void ScriptedDialogs::ShowHelpTopic(const std::string& helpFile, int topic) {
  helpTopics_.push_back({helpFile, topic});
  events_.Happened(event::HelpShown{LastComponent(helpFile), topic});
}

long ScriptedDialogs::ShellOpen(const std::string& path) {
  openedDocuments_.push_back(path);
  events_.Happened(event::DocumentOpened{path});
  return shellOpenResult_;
}

}  // namespace verbsmith

#include "platform/scripted/scripted_dialogs.h"

#include <algorithm>

#include "base/strings.h"
#include "base/texts.h"

namespace verbsmith {

namespace {

std::string ButtonList(int style) {
  std::string list;
  for (int button : MsgBoxButtons(style)) {
    if (!list.empty()) list += "/";
    list += MsgBoxResultName(button);
  }
  return list;
}

// The name after the last backslash or slash.
std::string LastComponent(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      line += "\\n";
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      line += "\\n";
    } else {
      line += text[i];
    }
  }
  return line;
}

ScriptedDialogs::ScriptedDialogs(Transcript& transcript) : transcript_(transcript) {}

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
  transcript_.Event("message box (" + std::string(MsgBoxIconName(style)) + ", " + ButtonList(style) + ") \"" +
                    record.title + "\": " + OneLine(prompt));

  const std::vector<int> buttons = MsgBoxButtons(style);
  std::string outcome;
  if (answers_.empty()) {
    record.answer = MsgBoxDefaultAnswer(style);
    record.defaulted = true;
    outcome = " (default button, no answer queued)";
  } else {
    const int queued = answers_.front();
    answers_.pop_front();
    if (std::find(buttons.begin(), buttons.end(), queued) != buttons.end()) {
      record.answer = queued;
    } else {
      // A person cannot press a button the box does not have.
      record.answer = MsgBoxDefaultAnswer(style);
      record.defaulted = true;
      outcome = " (default button: the box has no " + std::string(MsgBoxResultName(queued)) + " button)";
    }
  }
  transcript_.Event("  answer " + std::string(MsgBoxResultName(record.answer)) + outcome);
  messageBoxes_.push_back(record);
  return record.answer;
}

std::optional<FileOpenResult> ScriptedDialogs::ShowOpen(const FileOpenRequest& request) {
  FileDialogRecord record;
  record.request = request;
  std::string outcome;
  if (files_.empty()) {
    record.defaulted = true;
    outcome = "cancel (no file queued)";
  } else {
    if (files_.front()) {
      record.answer = FileOpenResult{*files_.front(), LastComponent(*files_.front())};
      outcome = record.answer->fileName;
    } else {
      outcome = "cancel";
    }
    files_.pop_front();
  }
  transcript_.Event("file dialog \"" + request.title + "\": " + outcome);
  fileDialogs_.push_back(record);
  return record.answer;
}

void ScriptedDialogs::SendKeys(const std::string& keys) {
  sentKeys_.push_back(keys);
  transcript_.Event("keys sent \"" + keys + "\"");
}

void ScriptedDialogs::DoEvents() {
  ++doEventsCount_;
}

void ScriptedDialogs::ShowHelpTopic(const std::string& helpFile, int topic) {
  helpTopics_.push_back({helpFile, topic});
  // The file name alone: the directory depends on where the add-in lives.
  transcript_.Event("help topic " + std::to_string(topic) + " (" + LastComponent(helpFile) + ")");
}

long ScriptedDialogs::ShellOpen(const std::string& path) {
  openedDocuments_.push_back(path);
  transcript_.Event("shell open \"" + path + "\"");
  return shellOpenResult_;
}

}  // namespace verbsmith

#include "forms/script/script_writer.h"

#include <charconv>

#include "forms/key_codes.h"
#include "forms/name_match.h"
#include "platform/message_box_names.h"

namespace verbsmith::forms {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsWholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// Unquoted, the parser trims the text and reads a leading quote as an
// opening one; such texts go in quotes, with inner quotes doubled.
std::string Quoted(const std::string& text, bool force) {
  const bool needed =
      force || text.empty() || IsBlank(text.front()) || IsBlank(text.back()) || text.front() == '"';
  if (!needed) return text;
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string KeySpec(const UserAction& action) {
  std::string spec;
  if (action.shift & shift::kShift) spec += "Shift+";
  if (action.shift & shift::kCtrl) spec += "Ctrl+";
  if (action.shift & shift::kAlt) spec += "Alt+";
  return spec + KeyName(action.keyCode);
}

}  // namespace

std::string ScriptLine(const UserAction& action) {
  switch (action.kind) {
    case ActionKind::kType:
      return "type " + action.control + " " + Quoted(action.text, false);
    case ActionKind::kClick:
      return "click " + action.control;
    case ActionKind::kChoose:
      // A text that reads as a number would be taken for an index.
      return "choose " + action.control + " " +
             (action.index ? std::to_string(*action.index) : Quoted(action.text, IsWholeNumber(action.text)));
    case ActionKind::kKey:
      return "key " + action.control + " " + KeySpec(action);
    case ActionKind::kLeave:
      return "leave " + action.control;
    case ActionKind::kClose:
      return "close";
    case ActionKind::kResize:
      return "resize " + action.text;
    case ActionKind::kWheel:
      return "wheel " + action.control + (action.index.value_or(0) < 0 ? " Up" : " Down");
  }
  return "close";
}

std::string AnswerLine(int answer) {
  return "answer " + std::string(MsgBoxResultName(answer));
}

std::string FileLine(const std::optional<std::string>& path) {
  if (!path) return "file cancel";
  return "file " + Quoted(*path, SameName(*path, "cancel"));
}

}  // namespace verbsmith::forms

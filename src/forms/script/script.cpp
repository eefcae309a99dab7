#include "forms/script/script.h"

#include <cctype>
#include <charconv>

#include "base/cp1252.h"
#include "base/strings.h"
#include "forms/key_codes.h"
#include "forms/name_match.h"
#include "platform/dialogs.h"
#include "platform/message_box_names.h"

namespace verbsmith::forms {

namespace {

// Splits off the first word; the rest is trimmed.
std::string_view TakeWord(std::string_view& rest) {
  const size_t end = rest.find_first_of(kBlanks);
  std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : Trim(rest.substr(end));
  return word;
}

class LineParser {
 public:
  LineParser(int line, std::string_view rest) : line_(line), rest_(rest) {}

  [[noreturn]] void Fail(const std::string& message) const { throw ScriptError(line_, message); }

  std::string ControlName(std::string_view keyword) {
    const std::string_view name = TakeWord(rest_);
    if (name.empty()) Fail(std::string(keyword) + " needs a control name");
    for (char c : name) {
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
        Fail("\"" + std::string(name) + "\" is not a control name");
      }
    }
    return std::string(name);
  }

  // The rest of the line as a text: one quoted string, or the words as written.
  std::string Text(bool* quoted = nullptr) {
    std::string_view rest = rest_;
    rest_ = {};
    if (quoted) *quoted = !rest.empty() && rest.front() == '"';
    if (rest.empty() || rest.front() != '"') return std::string(rest);
    std::string text;
    size_t i = 1;
    for (;; ++i) {
      if (i >= rest.size()) Fail("a quoted text is not closed");
      if (rest[i] == '"') {
        if (i + 1 < rest.size() && rest[i + 1] == '"') {
          text += '"';
          ++i;
        } else {
          break;
        }
      } else {
        text += rest[i];
      }
    }
    if (!Trim(rest.substr(i + 1)).empty()) Fail("unexpected text after the closing quote");
    return text;
  }

  void End(std::string_view keyword) const {
    if (!rest_.empty())
      Fail(std::string(keyword) + " takes nothing after that: \"" + std::string(rest_) + "\"");
  }

 private:
  int line_;
  std::string_view rest_;
};

std::optional<int> Integer(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

ScriptStep ParseKey(LineParser& parser, ScriptStep step) {
  step.action = UserAction(ActionKind::kKey, parser.ControlName("key"));
  std::string spec = parser.Text();
  if (spec.empty()) parser.Fail("key needs a key name, such as F1");
  // Modifiers come first: Shift+F1, Ctrl+Alt+A. The key is what remains;
  // a view walks the text once, however many modifiers it holds.
  std::string_view key = spec;
  for (;;) {
    const size_t plus = key.find('+');
    if (plus == std::string_view::npos || plus == 0 || plus + 1 == key.size()) break;
    const std::string_view modifier = key.substr(0, plus);
    if (SameName(modifier, "Shift")) {
      step.action.shift |= 1;
    } else if (SameName(modifier, "Ctrl")) {
      step.action.shift |= 2;
    } else if (SameName(modifier, "Alt")) {
      step.action.shift |= 4;
    } else {
      parser.Fail("unknown key modifier \"" + std::string(modifier) + "\"");
    }
    key.remove_prefix(plus + 1);
  }
  const std::optional<int> code = KeyCodeFromName(key);
  if (!code) parser.Fail("unknown key \"" + std::string(key) + "\"");
  step.action.keyCode = *code;
  return step;
}

ScriptStep ParseLine(int lineNumber, std::string_view line) {
  ScriptStep step;
  step.line = lineNumber;
  step.echo = std::string(line);
  std::string_view rest = line;
  const std::string keyword(TakeWord(rest));
  LineParser parser(lineNumber, rest);

  if (SameName(keyword, "type")) {
    step.action = UserAction(ActionKind::kType, parser.ControlName(keyword));
    step.action.text = parser.Text();
  } else if (SameName(keyword, "click")) {
    step.action = UserAction(ActionKind::kClick, parser.ControlName(keyword));
    parser.End(keyword);
  } else if (SameName(keyword, "choose")) {
    step.action = UserAction(ActionKind::kChoose, parser.ControlName(keyword));
    bool quoted = false;
    std::string entry = parser.Text(&quoted);
    if (entry.empty() && !quoted) parser.Fail("choose needs an entry: an index or a text");
    if (const std::optional<int> index = quoted ? std::nullopt : Integer(entry)) {
      step.action.index = *index;
    } else {
      step.action.text = std::move(entry);
    }
  } else if (SameName(keyword, "key")) {
    step = ParseKey(parser, std::move(step));
  } else if (SameName(keyword, "leave")) {
    step.action = UserAction(ActionKind::kLeave, parser.ControlName(keyword));
    parser.End(keyword);
  } else if (SameName(keyword, "wheel")) {
    step.action = UserAction(ActionKind::kWheel, parser.ControlName(keyword));
    const std::string direction = parser.Text();
    if (SameName(direction, "Down")) {
      step.action.index = 1;
    } else if (SameName(direction, "Up")) {
      step.action.index = -1;
    } else {
      parser.Fail("wheel takes Up or Down, not \"" + direction + "\"");
    }
  } else if (SameName(keyword, "resize")) {
    step.action = UserAction(ActionKind::kResize);
    const std::string sizeText = parser.Text();
    std::string_view size = sizeText;
    const std::string width(TakeWord(size));
    const std::optional<int> w = Integer(width);
    const std::optional<int> h = Integer(size);
    if (!w || !h || *w <= 0 || *h <= 0) parser.Fail("resize takes a width and a height in twips");
    step.action.text = std::to_string(*w) + " " + std::to_string(*h);
  } else if (SameName(keyword, "close")) {
    step.action = UserAction(ActionKind::kClose);
    parser.End(keyword);
  } else if (SameName(keyword, "answer")) {
    step.kind = ScriptStep::Kind::kAnswer;
    const std::string name = parser.Text();
    const std::optional<int> answer = ParseMsgBoxResult(name);
    if (!answer)
      parser.Fail("answer takes OK, Cancel, Yes, No, Abort, Retry or Ignore, not \"" + name + "\"");
    step.answer = *answer;
  } else if (SameName(keyword, "file")) {
    step.kind = ScriptStep::Kind::kFile;
    bool quoted = false;
    std::string path = parser.Text(&quoted);
    if (path.empty()) parser.Fail("file needs a path, or cancel");
    if (!quoted && SameName(path, "cancel")) {
      step.file = std::nullopt;
    } else {
      step.file = std::move(path);
    }
  } else {
    parser.Fail("unknown action \"" + keyword +
                "\" (expected type, click, choose, key, leave, wheel, resize, close, answer or file)");
  }
  step.action.echo = step.echo;
  step.action.line = lineNumber;
  return step;
}

}  // namespace

ScriptError::ScriptError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

std::string ScriptTextOfFile(std::string_view bytes) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) return std::string(bytes.substr(kByteOrderMark.size()));
  return Cp1252ToUtf8(bytes);
}

std::vector<ScriptStep> ParseScript(std::string_view text) {
  std::vector<ScriptStep> steps;
  int lineNumber = 0;
  while (!text.empty()) {
    // A line ends at LF, CR LF or a lone CR.
    const size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end != std::string_view::npos && text[end] == '\r' && next < text.size() && text[next] == '\n')
      ++next;
    text.remove_prefix(next);
    ++lineNumber;
    line = Trim(line);
    if (line.empty() || line.front() == '#') continue;
    steps.push_back(ParseLine(lineNumber, line));
  }
  return steps;
}

}  // namespace verbsmith::forms

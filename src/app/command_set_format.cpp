#include "app/command_set_format.h"

#include <charconv>
#include <cstdio>

namespace verbsmith::app {

namespace {

std::string ValueText(const CommandField& field, const CommandEntry& entry) {
  return field.number != nullptr ? std::to_string(entry.*field.number) : EscapeControls(entry.*field.text);
}

// One line of JSON with a space after each comma and colon, the layout
// scripts have always read.
void AppendCommandObjectJson(const ListedCommand& command, std::string& out) {
  out += "{\"id\": ";
  out += std::to_string(command.id);
  out += ", \"index\": ";
  out += std::to_string(command.index);
  for (const CommandField& field : kCommandFields) {
    out += ", ";
    AppendJsonString(field.key, out);
    out += ": ";
    if (field.number != nullptr) {
      out += std::to_string(command.entry.*field.number);
    } else {
      AppendJsonString(command.entry.*field.text, out);
    }
  }
  out += '}';
}

}  // namespace

const CommandField* FindCommandFieldByOption(std::string_view option) {
  for (const CommandField& field : kCommandFields) {
    if (field.option == option) return &field;
  }
  return nullptr;
}

std::string FormatCommandListLine(const ListedCommand& c) {
  std::string out = std::to_string(c.id) + "  " + EscapeControls(c.entry.progId);
  if (!c.entry.description.empty()) out += "  " + EscapeControls(c.entry.description);
  return out + "\n";
}

std::string FormatCommandListText(const std::vector<ListedCommand>& commands) {
  std::string out;
  for (const ListedCommand& c : commands) out += FormatCommandListLine(c);
  return out;
}

std::string CommandListJsonHead(std::string_view company, std::string_view application) {
  // The list's object up to its open array; the commands follow as they are read.
  std::string head = "{\"company\": ";
  AppendJsonString(company, head);
  head += ", \"application\": ";
  AppendJsonString(application, head);
  return head + ", \"commands\": [";
}

void AppendCommandListJsonItem(const ListedCommand& command, bool first, std::string& out) {
  out += first ? "\n  " : ",\n  ";
  AppendCommandObjectJson(command, out);
}

std::string CommandListJsonItem(const ListedCommand& command, bool first) {
  std::string out;
  AppendCommandListJsonItem(command, first, out);
  return out;
}

std::string CommandListJsonTail(bool empty) {
  return empty ? "]}\n" : "\n]}\n";
}

std::string FormatCommandListJson(std::string_view company, std::string_view application,
                                  const std::vector<ListedCommand>& commands) {
  std::string out = CommandListJsonHead(company, application);
  for (size_t i = 0; i < commands.size(); ++i) out += CommandListJsonItem(commands[i], i == 0);
  return out + CommandListJsonTail(commands.empty());
}

std::string FormatCommandText(const ListedCommand& command) {
  constexpr size_t kWidth = 18;
  auto line = [](std::string_view name, const std::string& value) {
    std::string out(name);
    out += ":";
    out.append(kWidth - name.size() - 1, ' ');
    return out + value + "\n";
  };
  std::string out = line("Identifier", std::to_string(command.id));
  out += line("Index", std::to_string(command.index));
  for (const CommandField& field : kCommandFields) out += line(field.name, ValueText(field, command.entry));
  return out;
}

std::string FormatCommandJson(const ListedCommand& command) {
  std::string out;
  AppendCommandObjectJson(command, out);
  return out + "\n";
}

namespace {

// The length of the well-formed UTF-8 sequence at text[at], or 0 when the
// bytes there are not one; checked counts the bytes that were looked at
// before that was clear. Overlong forms, surrogates and code points past
// U+10FFFF are refused at the first byte that rules them out.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at, std::size_t* checked) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  *checked = 1;
  if (length == 0) return 0;
  for (std::size_t k = 1; k < length; ++k, ++*checked) {
    if (at + k >= text.size()) return 0;
    const auto c = static_cast<unsigned char>(text[at + k]);
    if (c < low || c > high) return 0;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

void AppendJsonEscape(unsigned char c, std::string& out) {
  switch (c) {
    case '\b':
      out += "\\b";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\r':
      out += "\\r";
      return;
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    default: {
      static constexpr char kHex[] = "0123456789abcdef";
      const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
      out.append(escape, sizeof escape);
    }
  }
}

}  // namespace

void AppendJsonString(std::string_view value, std::string& out) {
  out += '"';
  std::size_t i = 0;
  while (i < value.size()) {
    // Plain ASCII is copied in one run.
    std::size_t run = i;
    while (run < value.size()) {
      const auto c = static_cast<unsigned char>(value[run]);
      if (c < 0x20 || c == '"' || c == '\\' || c >= 0x80) break;
      ++run;
    }
    out.append(value.data() + i, run - i);
    i = run;
    if (i == value.size()) break;
    const auto c = static_cast<unsigned char>(value[i]);
    if (c < 0x80) {
      AppendJsonEscape(c, out);
      ++i;
      continue;
    }
    std::size_t checked = 0;
    const std::size_t length = Utf8SequenceLength(value, i, &checked);
    if (length != 0) {
      out.append(value.data() + i, length);
      i += length;
      continue;
    }
    // A broken sequence becomes one U+FFFD; the byte that broke it, when it
    // is not the lead byte, starts afresh.
    out += "\xEF\xBF\xBD";
    i += checked;
  }
  out += '"';
}

std::string JsonString(std::string_view value) {
  std::string out;
  AppendJsonString(value, out);
  return out;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
  int32_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // from_chars takes a minus sign only; a plus sign is fine too, not both.
  if (first != last && *first == '+' && first + 1 != last && first[1] != '-') ++first;
  if (first == last) return std::nullopt;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace verbsmith::app

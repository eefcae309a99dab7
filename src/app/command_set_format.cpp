#include "app/command_set_format.h"

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace verbsmith::app {

namespace {

using Json = nlohmann::ordered_json;

std::string ValueText(const CommandField& field, const CommandEntry& entry) {
  return field.number != nullptr ? std::to_string(entry.*field.number) : EscapeControls(entry.*field.text);
}

// One line of JSON with a space after each comma and colon, the layout
// scripts have always read; strings as the library escapes them.
std::string SpacedJson(const Json& value) {
  if (!value.is_structured()) return value.dump(-1, ' ', false, Json::error_handler_t::replace);
  std::string out = value.is_object() ? "{" : "[";
  const char* separator = "";
  for (auto item = value.begin(); item != value.end(); ++item) {
    out += separator;
    separator = ", ";
    if (value.is_object()) out += SpacedJson(item.key()) + ": ";
    out += SpacedJson(*item);
  }
  return out + (value.is_object() ? "}" : "]");
}

std::string CommandObjectJson(const ListedCommand& command) {
  Json object = {{"id", command.id}, {"index", command.index}};
  for (const CommandField& field : kCommandFields) {
    const std::string key(field.key);
    if (field.number != nullptr) {
      object[key] = command.entry.*field.number;
    } else {
      object[key] = command.entry.*field.text;
    }
  }
  return SpacedJson(object);
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
  std::string head =
      SpacedJson(Json{{"company", company}, {"application", application}, {"commands", Json::array()}});
  head.resize(head.size() - 2);
  return head;
}

std::string CommandListJsonItem(const ListedCommand& command, bool first) {
  return (first ? "\n  " : ",\n  ") + CommandObjectJson(command);
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
  return CommandObjectJson(command) + "\n";
}

std::string JsonString(std::string_view value) {
  return SpacedJson(std::string(value));
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

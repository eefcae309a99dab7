#pragma once
// Command-set entries as text for people and as JSON for scripts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/escape_controls.h"
#include "platform/command_set.h"

namespace verbsmith::app {

// The field with this command-line option name, or nullptr.
const CommandField* FindCommandFieldByOption(std::string_view option);

// An entry together with where it stands in its set.
struct ListedCommand {
  int32_t id = 0;
  int16_t index = 0;
  CommandEntry entry;
};

// One line per command: identifier, ProgID and description.
std::string FormatCommandListText(const std::vector<ListedCommand>& commands);
std::string FormatCommandListLine(const ListedCommand& command);
// {"company":..., "application":..., "commands":[{"id":..., "index":..., fields...}]}
std::string FormatCommandListJson(std::string_view company, std::string_view application,
                                  const std::vector<ListedCommand>& commands);
// The same in pieces, so a long list is written as it is read: the head,
// each command (first tells the first apart) and the tail.
std::string CommandListJsonHead(std::string_view company, std::string_view application);
std::string CommandListJsonItem(const ListedCommand& command, bool first);
std::string CommandListJsonTail(bool empty);
// Every field on its own line, name then value.
std::string FormatCommandText(const ListedCommand& command);
// {"id":..., "index":..., fields...}
std::string FormatCommandJson(const ListedCommand& command);

// A JSON string literal. Bytes that are not valid UTF-8 become U+FFFD so the
// output always parses.
std::string JsonString(std::string_view value);

// A whole decimal 32-bit number, optionally signed; nullopt for anything else.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace verbsmith::app

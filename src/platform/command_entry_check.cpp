#include "platform/command_entry_check.h"

#include <algorithm>

#include "base/escape_controls.h"
#include "base/identifier.h"

namespace verbsmith {

namespace {

// Characters of UTF-8 text: every byte but the continuation bytes.
size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::optional<std::string> ProgIdProblem(const std::string& progId) {
  const std::string named = "The ProgID '" + EscapeControls(progId) + "'";
  if (!IsProgIdOfIdentifiers(progId)) {
    return named +
           " must be two names joined by one period, each of ASCII letters and digits, not starting with a "
           "digit and not a word Visual Basic reserves, such as Zoom.ZoomIn.";
  }
  if (progId.size() > kMaxProgIdCharacters) {
    return named + " is longer than " + std::to_string(kMaxProgIdCharacters) + " characters.";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> EntryTextProblem(std::string_view name, std::string_view value) {
  // Each text becomes one line of a generated file (an attribute, an INI
  // key): a line break would start another.
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    return "The " + std::string(name) + " must be one line: it holds a line break.";
  }
  if (CharacterCount(value) > kMaxEntryTextCharacters) {
    return "The " + std::string(name) + " is longer than " + std::to_string(kMaxEntryTextCharacters) +
           " characters.";
  }
  return std::nullopt;
}

std::optional<EntryProblem> CheckCommandEntry(const CommandEntry& entry) {
  for (const CommandField& field : kCommandFields) {
    if (field.text == nullptr) continue;
    const std::string& value = entry.*field.text;
    auto problem =
        field.text == &CommandEntry::progId ? ProgIdProblem(value) : EntryTextProblem(field.name, value);
    if (problem) return EntryProblem{&field, std::move(*problem)};
  }
  return std::nullopt;
}

}  // namespace verbsmith

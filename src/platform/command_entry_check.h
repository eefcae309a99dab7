#pragma once
// The one check of an entry before the product writes it into a command
// set, whoever asks for the write (`commands add`, the wizard's Finish, a
// `new` run): a ProgID of two identifiers no longer than the wizard allows,
// and text fields of one bounded line. Whatever is read back from a stored
// entry then fits the one line of the generated file it goes into.

#include <optional>
#include <string>
#include <string_view>

#include "platform/command_set.h"

namespace verbsmith {

// At most 39 characters, the period included.
inline constexpr size_t kMaxProgIdCharacters = 39;
// Text fields are bounded as the registry lookups bound what they read.
inline constexpr size_t kMaxEntryTextCharacters = 255;

struct EntryProblem {
  const CommandField* field = nullptr;  // the field at fault
  std::string message;                  // a sentence naming the field
};

// The first field of the entry that may not be written, or nothing.
std::optional<EntryProblem> CheckCommandEntry(const CommandEntry& entry);

// What is wrong with one text field's value (called name in the sentence),
// or nothing: a line break, or more characters than the bound.
std::optional<std::string> EntryTextProblem(std::string_view name, std::string_view value);

}  // namespace verbsmith

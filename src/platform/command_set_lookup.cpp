#include "platform/command_set_lookup.h"

#include "base/strings.h"

namespace verbsmith {

std::optional<CommandEntry> FindCommandByProgId(CommandSet& set, const std::string& progId) {
  const int16_t count = set.CommandCount();
  for (int i = 0; i < count; ++i) {
    const int16_t index = set.FindCommand(kFirstCommandId + i);
    if (index < 0) continue;
    CommandEntry entry = set.GetCommand(index);
    if (EqualsIgnoringCase(entry.progId, progId)) return entry;
  }
  return std::nullopt;
}

}  // namespace verbsmith

#include "platform/command_set.h"

#include "base/strings.h"
#include "base/texts.h"
#include "base/vb_error.h"

namespace verbsmith {

std::optional<NumberedCommand> CommandSet::FindProgId(const std::string& progId) {
  const int16_t count = CommandCount();
  for (int32_t id = kFirstCommandId; id < kFirstCommandId + count; ++id) {
    std::optional<CommandEntry> entry = FindCommand(id);
    if (entry && EqualsIgnoringCase(entry->progId, progId)) return NumberedCommand{id, std::move(*entry)};
  }
  return std::nullopt;
}

int64_t CommandSet::ForEachCommand(const std::function<void(int64_t, const CommandEntry&)>& visit) {
  const int16_t count = CommandCount();
  int64_t visited = 0;
  for (int32_t position = 0; position < count; ++position) {
    if (const std::optional<CommandEntry> entry = FindCommand(kFirstCommandId + position)) {
      visit(position, *entry);
      ++visited;
    }
  }
  return visited;
}

std::vector<HeldSet> CommandSet::HeldSets() {
  throw VbError(vberr::kInvalidProcedureCall, std::string(text::kCommandSetSource),
                "This command set cannot list its companies and applications.");
}

CommandEntry GetCommand(CommandSet& set, int32_t commandId) {
  std::optional<CommandEntry> entry = set.FindCommand(commandId);
  if (!entry) {
    throw VbError(cmdseterr::kBadIndex, std::string(text::kCommandSetSource),
                  std::string(text::kCommandSetBadIndex) + std::to_string(commandId - kFirstCommandId) + ".");
  }
  return std::move(*entry);
}

}  // namespace verbsmith

#pragma once
// Looking an entry up by its ProgID, which the command set compares
// without regard to case.

#include <optional>
#include <string>

#include "platform/command_set.h"

namespace verbsmith {

std::optional<CommandEntry> FindCommandByProgId(CommandSet& set, const std::string& progId);

}  // namespace verbsmith

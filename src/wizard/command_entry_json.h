#pragma once
// A command-set entry as a JSON object keyed by its fields' JSON names, for
// the Finish journal and the Finish plan.

#include <nlohmann/json.hpp>

#include "platform/command_set.h"

namespace verbsmith {

nlohmann::json EntryJson(const CommandEntry& entry);
// Throws nlohmann::json::exception for an object that is not an entry.
CommandEntry EntryOfJson(const nlohmann::json& fields);

}  // namespace verbsmith

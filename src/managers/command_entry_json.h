#pragma once
// A command-set entry as a JSON object keyed by its fields' JSON names, for
// the Finish journal, the Finish plan and the manifest.

#include <nlohmann/json.hpp>
#include <string>

#include "platform/command_set.h"

namespace verbsmith {

// Json may be nlohmann::ordered_json, which keeps the fields in their
// stored order.
template <class Json = nlohmann::json>
Json EntryJson(const CommandEntry& entry) {
  Json fields = Json::object();
  for (const CommandField& field : kCommandFields) {
    const std::string key(field.key);
    if (field.number != nullptr) {
      fields[key] = entry.*field.number;
    } else {
      fields[key] = entry.*field.text;
    }
  }
  return fields;
}

// Throws nlohmann::json::exception for an object that is not an entry.
CommandEntry EntryOfJson(const nlohmann::json& fields);

}  // namespace verbsmith

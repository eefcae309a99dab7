#include "wizard/command_entry_json.h"

namespace verbsmith {

nlohmann::json EntryJson(const CommandEntry& entry) {
  nlohmann::json fields = nlohmann::json::object();
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

CommandEntry EntryOfJson(const nlohmann::json& fields) {
  CommandEntry entry;
  for (const CommandField& field : kCommandFields) {
    const nlohmann::json& value = fields.at(std::string(field.key));
    if (field.number != nullptr) {
      entry.*field.number = value.get<int32_t>();
    } else {
      entry.*field.text = value.get<std::string>();
    }
  }
  return entry;
}

}  // namespace verbsmith

#include "managers/command_entry_json.h"

namespace verbsmith {

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

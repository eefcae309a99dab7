#pragma once
// The --json output of the commands: one JSON document on standard output.

#include <nlohmann/json.hpp>

namespace verbsmith::app {

// Bytes that are not UTF-8 (in a file name, say) become U+FFFD.
void PrintJson(const nlohmann::json& value);

}  // namespace verbsmith::app

#include "app/print_json.h"

#include <cstdio>

namespace verbsmith::app {

void PrintJson(const nlohmann::json& value) {
  std::puts(value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

}  // namespace verbsmith::app

// Feeds arbitrary bytes to the script reader, as `verbsmith run FILE` does.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "forms/script/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    verbsmith::forms::ParseScript(
        verbsmith::forms::ScriptTextOfFile(std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const verbsmith::forms::ScriptError&) {
  }
  return 0;
}

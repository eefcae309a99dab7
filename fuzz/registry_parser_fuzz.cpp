// Feeds arbitrary bytes to the registry file parser and to the registry
// built from them. The first byte picks the form the rest is read as, so
// that most inputs get past the header.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/vb_error.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/registry_file_parser.h"

namespace {

std::string WithHeader(uint8_t selector, std::string_view body) {
  switch (selector % 5) {
    case 0:
      return std::string(body);
    case 1:
      return "WINE REGISTRY Version 2\n" + std::string(body);
    case 2:
      return "REGEDIT4\r\n" + std::string(body);
    case 3:
      return "Windows Registry Editor Version 5.00\r\n" + std::string(body);
    default: {
      // UTF-16LE with its mark; the body's bytes are taken as code units.
      std::string text = "\xFF\xFE";
      for (const char c : std::string_view("Windows Registry Editor Version 5.00\r\n")) {
        text.push_back(c);
        text.push_back('\0');
      }
      text.append(body);
      return text;
    }
  }
}

// Reads everything a caller could reach, so that the trees are walked too.
void Visit(verbsmith::PosixRegistry& registry, verbsmith::RegKey key, int depth) {
  std::string name;
  std::string value;
  registry.QueryValue(key, "", &value);
  for (uint32_t i = 0; i < 64 && registry.EnumKey(key, i, &name, 300) == verbsmith::regcode::kSuccess; ++i) {
    registry.QueryDefaultValue(key, name, &value, 300);
    verbsmith::RegKey child = 0;
    if (depth < 4 && registry.OpenKey(key, name, &child) == verbsmith::regcode::kSuccess) {
      Visit(registry, child, depth + 1);
      registry.CloseKey(child);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text =
      WithHeader(data[0], std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  const std::string_view name = data[0] % 2 == 0 ? "user.reg" : "system.reg";
  try {
    verbsmith::ParseRegistryFile(text, name);
  } catch (const verbsmith::RegistryParseError&) {
  }
  verbsmith::PosixRegistry registry;
  try {
    registry.LoadText(text, name);
    // A second load exercises the merge and the removals of exports.
    registry.LoadText(text, name);
  } catch (const verbsmith::VbError&) {
  }
  for (const verbsmith::RegKey root : {verbsmith::regroot::kClassesRoot, verbsmith::regroot::kLocalMachine,
                                       verbsmith::regroot::kCurrentUser}) {
    Visit(registry, root, 0);
  }
  if (registry.OpenHandleCount() != 0) __builtin_trap();
  return 0;
}

#pragma once
// Reads a compiled 32-bit resource file (.res) back, for tests that check
// what a resource compiler produced.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace verbsmith::test {

struct ResEntry {
  // A numeric type or name has its number set; a named one its text.
  std::optional<uint16_t> typeId;
  std::string typeName;
  std::optional<uint16_t> nameId;
  std::string name;
  std::string data;
};

inline constexpr uint16_t kResourceTypeBitmap = 2;

// The entries of the file, without the empty entry that opens it. Throws
// std::runtime_error on a malformed file.
std::vector<ResEntry> ReadResFile(const std::string& bytes);

}  // namespace verbsmith::test

#pragma once
// The registry port on Windows: the real registry, opened for reading only.
// Values read as the POSIX adapter reads them from its files: text as
// UTF-8, a dword or qword as its decimal number, other data as its bytes.

#include "platform/registry.h"

namespace verbsmith {

class Win32Registry final : public Registry {
 public:
  long OpenKey(RegKey parent, const std::string& subkey, RegKey* result) override;
  long QueryDefaultValue(RegKey key, const std::string& subkey, std::string* value,
                         size_t bufferSize = 255) override;
  long QueryValue(RegKey key, const std::string& name, std::string* value, size_t bufferSize = 255) override;
  long EnumKey(RegKey key, uint32_t index, std::string* name, size_t bufferSize = 255) override;
  long CloseKey(RegKey key) override;
};

}  // namespace verbsmith

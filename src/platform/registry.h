#pragma once
// Read-only access to the Windows registry. Calls answer with Win32 error
// codes, as the registry API does, so callers keep its control flow.

#include <cstdint>
#include <string>

namespace verbsmith {

namespace regcode {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kMoreData = 234;
inline constexpr long kNoMoreItems = 259;
}  // namespace regcode

// A key handle. The three roots are predefined; opened keys get fresh values.
using RegKey = uint64_t;
namespace regroot {
inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;
}  // namespace regroot

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens subkey (backslash-separated, case ignored) of an open key or root.
  virtual long OpenKey(RegKey parent, const std::string& subkey, RegKey* result) = 0;
  // The default value of a subkey of an open key (RegQueryValue). A value
  // that does not fit the buffer with its terminating zero (bufferSize - 1
  // characters at most) answers kMoreData.
  virtual long QueryDefaultValue(RegKey key, const std::string& subkey, std::string* value,
                                 size_t bufferSize = 255) = 0;
  // A named value of an open key (RegQueryValueEx); "" is the default value.
  virtual long QueryValue(RegKey key, const std::string& name, std::string* value,
                          size_t bufferSize = 255) = 0;
  // The index-th subkey name of an open key; kNoMoreItems past the last.
  virtual long EnumKey(RegKey key, uint32_t index, std::string* name, size_t bufferSize = 255) = 0;
  virtual long CloseKey(RegKey key) = 0;
};

}  // namespace verbsmith

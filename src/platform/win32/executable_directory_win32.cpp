// Where the running program lies, from the module's own file name.

#include <string>

#include "platform/posix/executable_directory.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

std::filesystem::path ExecutableDirectory() {
  std::wstring name(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
  if (length == 0 || length >= name.size()) return {};
  name.resize(length);
  return std::filesystem::path(name).parent_path();
}

}  // namespace verbsmith

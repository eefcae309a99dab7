#include "platform/win32/win32_profile_files.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

bool Win32ProfileFiles::WriteString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& file) {
  const bool written = WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                                  Wide(value).c_str(), Wide(file).c_str()) != 0;
  // The system caches profile files; an empty flush writes the cache out.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, Wide(file).c_str());
  return written;
}

std::string Win32ProfileFiles::GetString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue, const std::string& file,
                                         size_t maxLength) {
  if (maxLength == 0) return "";
  std::vector<wchar_t> buffer(maxLength, L'\0');
  const DWORD length =
      GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(defaultValue).c_str(),
                               buffer.data(), static_cast<DWORD>(maxLength), Wide(file).c_str());
  return Utf8(std::wstring_view(buffer.data(), length));
}

}  // namespace verbsmith

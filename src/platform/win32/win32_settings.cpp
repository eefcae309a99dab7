#include "platform/win32/win32_settings.h"

#include <vector>

#include "base/vb_error.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

std::wstring KeyPath(const std::string& application, const std::string& section) {
  return L"Software\\VB and VBA Program Settings\\" + Wide(application) + L"\\" + Wide(section);
}

}  // namespace

std::string Win32Settings::GetSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_READ, &opened) !=
      ERROR_SUCCESS) {
    return defaultValue;
  }
  std::string result = defaultValue;
  const std::wstring name = Wide(key);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) ==
        ERROR_SUCCESS) {
      result = Utf8(std::wstring_view(text.data(), size / sizeof(wchar_t)));
      while (!result.empty() && result.back() == '\0') result.pop_back();
    }
  }
  RegCloseKey(opened);
  return result;
}

void Win32Settings::SaveSetting(const std::string& application, const std::string& section,
                                const std::string& key, const std::string& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr, 0, KEY_WRITE,
                      nullptr, &created, nullptr) != ERROR_SUCCESS) {
    throw VbError(vberr::kPathFileAccessError, "Settings", VbErrorText(vberr::kPathFileAccessError));
  }
  const std::wstring text = Wide(value);
  const LSTATUS status =
      RegSetValueExW(created, Wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(created);
  if (status != ERROR_SUCCESS) {
    throw VbError(vberr::kPathFileAccessError, "Settings", VbErrorText(vberr::kPathFileAccessError));
  }
}

}  // namespace verbsmith

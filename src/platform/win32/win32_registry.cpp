#include "platform/win32/win32_registry.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/registry_answer.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

bool IsRoot(RegKey key) {
  return key >= regroot::kClassesRoot && key <= regroot::kLocalMachine;
}

HKEY ToHkey(RegKey key) {
  if (key == regroot::kClassesRoot) return HKEY_CLASSES_ROOT;
  if (key == regroot::kCurrentUser) return HKEY_CURRENT_USER;
  if (key == regroot::kLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(static_cast<uintptr_t>(key));
}

// Reads one value of an open key and hands it over as text.
long ReadValue(HKEY key, const std::wstring& name, size_t bufferSize, std::string* out) {
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (status != ERROR_SUCCESS) return status;
  std::vector<BYTE> data(size + sizeof(wchar_t));
  status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
  if (status != ERROR_SUCCESS) return status;
  data.resize(size);
  if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return DeliverRegistryText(Utf8(text), true, bufferSize, out);
  }
  if ((type == REG_DWORD && size == 4) || (type == REG_QWORD && size == 8)) {
    uint64_t number = 0;
    for (size_t i = size; i-- > 0;) number = number * 256 + data[i];
    return DeliverRegistryText(std::to_string(number), true, bufferSize, out);
  }
  return DeliverRegistryText(std::string_view(reinterpret_cast<const char*>(data.data()), size), false,
                             bufferSize, out);
}

}  // namespace

long Win32Registry::OpenKey(RegKey parent, const std::string& subkey, RegKey* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(ToHkey(parent), Wide(subkey).c_str(), 0, KEY_READ, &opened);
  if (status == ERROR_SUCCESS) *result = static_cast<RegKey>(reinterpret_cast<uintptr_t>(opened));
  return status;
}

long Win32Registry::QueryDefaultValue(RegKey key, const std::string& subkey, std::string* value,
                                      size_t bufferSize) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(ToHkey(key), Wide(subkey).c_str(), 0, KEY_READ, &opened);
  if (status != ERROR_SUCCESS) return status;
  long result = ReadValue(opened, L"", bufferSize, value);
  // A key without a default value reads as empty text, as RegQueryValue
  // answers.
  if (result == ERROR_FILE_NOT_FOUND) result = DeliverRegistryText("", true, bufferSize, value);
  RegCloseKey(opened);
  return result;
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, std::string* value, size_t bufferSize) {
  return ReadValue(ToHkey(key), Wide(name), bufferSize, value);
}

long Win32Registry::EnumKey(RegKey key, uint32_t index, std::string* name, size_t bufferSize) {
  wchar_t found[256] = {};
  DWORD length = 256;
  const LSTATUS status =
      RegEnumKeyExW(ToHkey(key), index, found, &length, nullptr, nullptr, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  return DeliverRegistryText(Utf8(std::wstring_view(found, length)), true, bufferSize, name);
}

long Win32Registry::CloseKey(RegKey key) {
  // The predefined roots need no closing, and closing them does no harm.
  if (IsRoot(key)) return regcode::kSuccess;
  return RegCloseKey(ToHkey(key));
}

}  // namespace verbsmith

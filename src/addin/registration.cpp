#include "addin/registration.h"

#include "addin/identifiers.h"

namespace verbsmith::addin {

namespace {

constexpr wchar_t kAddInsSection[] = L"Add-Ins32";
// Loaded on demand: the add-in appears in the list, not connected.
constexpr wchar_t kNotLoaded[] = L"0";
// Automation's own proxy for dispatch interfaces.
constexpr wchar_t kDispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

HKEY ClassesRoot(Scope scope, REGSAM access, HKEY& opened) {
  const HKEY base = scope == Scope::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
  if (RegCreateKeyExW(base, L"Software\\Classes", 0, nullptr, 0, access, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS)
    return nullptr;
  return opened;
}

std::wstring Directory(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// A section left empty goes, and so does a file left empty: registration
// made them for its one entry.
void RemoveEmptyAddInsEntries(const std::wstring& file) {
  wchar_t keys[4] = {};
  if (GetPrivateProfileSectionW(kAddInsSection, keys, 4, file.c_str()) == 0)
    WritePrivateProfileStringW(kAddInsSection, nullptr, nullptr, file.c_str());
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow == 0 &&
      data.nFileSizeHigh == 0)
    DeleteFileW(file.c_str());
}

}  // namespace

std::wstring AddInsFile() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\vbaddin.ini";
}

std::vector<std::wstring> RegistrationKeys() {
  return {L"CLSID\\" + GuidText(kClassId), kProgId, L"TypeLib\\" + GuidText(kTypeLibId),
          L"Interface\\" + GuidText(kDispatchId)};
}

std::vector<RegistryValue> RegistrationValues(const std::wstring& dllPath) {
  const std::wstring clsid = L"CLSID\\" + GuidText(kClassId);
  const std::wstring libid = GuidText(kTypeLibId);
  const std::wstring lib = L"TypeLib\\" + libid + L"\\1.0";
  const std::wstring iface = L"Interface\\" + GuidText(kDispatchId);
  // The type library is embedded in the DLL; its platform key says which
  // build reads it.
  const std::wstring platform = sizeof(void*) == 8 ? L"\\0\\win64" : L"\\0\\win32";
  return {
      {clsid, L"", kClassName},
      {clsid + L"\\InprocServer32", L"", dllPath},
      {clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {clsid + L"\\ProgID", L"", kProgId},
      {clsid + L"\\TypeLib", L"", libid},
      {clsid + L"\\VERSION", L"", L"1.0"},
      {kProgId, L"", kClassName},
      {std::wstring(kProgId) + L"\\CLSID", L"", GuidText(kClassId)},
      {lib, L"", kTypeLibName},
      {lib + platform, L"", dllPath},
      {lib + L"\\FLAGS", L"", L"0"},
      {lib + L"\\HELPDIR", L"", Directory(dllPath)},
      {iface, L"", kDispatchName},
      {iface + L"\\ProxyStubClsid32", L"", kDispatchProxy},
      {iface + L"\\TypeLib", L"", libid},
      {iface + L"\\TypeLib", L"Version", L"1.0"},
  };
}

HRESULT Register(Scope scope, const std::wstring& dllPath) {
  HKEY opened = nullptr;
  const HKEY root = ClassesRoot(scope, KEY_WRITE, opened);
  if (root == nullptr) return SELFREG_E_CLASS;
  HRESULT hr = S_OK;
  for (const RegistryValue& entry : RegistrationValues(dllPath)) {
    const LSTATUS status =
        RegSetKeyValueW(root, entry.key.c_str(), entry.name.empty() ? nullptr : entry.name.c_str(), REG_SZ,
                        entry.value.c_str(), static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
      hr = HRESULT_FROM_WIN32(status);
      break;
    }
  }
  RegCloseKey(opened);
  if (FAILED(hr)) {
    Unregister(scope);
    return hr;
  }
  // An entry already there keeps the load behaviour the user chose.
  const std::wstring file = AddInsFile();
  wchar_t current[16] = {};
  if (GetPrivateProfileStringW(kAddInsSection, kProgId, L"", current, 16, file.c_str()) == 0 &&
      !WritePrivateProfileStringW(kAddInsSection, kProgId, kNotLoaded, file.c_str())) {
    Unregister(scope);
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT Unregister(Scope scope) {
  HKEY opened = nullptr;
  const HKEY root = ClassesRoot(scope, KEY_ALL_ACCESS, opened);
  if (root == nullptr) return SELFREG_E_CLASS;
  HRESULT hr = S_OK;
  for (const std::wstring& key : RegistrationKeys()) {
    const LSTATUS status = RegDeleteTreeW(root, key.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) hr = HRESULT_FROM_WIN32(status);
  }
  // A parent registration had to create is left empty now: it goes too.
  // One that holds anything else fails to delete and stays.
  for (const wchar_t* parent : {L"CLSID", L"TypeLib", L"Interface"}) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, parent, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    DWORD subkeys = 0;
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    if (subkeys == 0 && values == 0) RegDeleteKeyW(root, parent);
  }
  RegCloseKey(opened);
  // The entry names this add-in only; without the class it would be a
  // dead line in the environment's list.
  const std::wstring file = AddInsFile();
  WritePrivateProfileStringW(kAddInsSection, kProgId, nullptr, file.c_str());
  RemoveEmptyAddInsEntries(file);
  return hr;
}

}  // namespace verbsmith::addin

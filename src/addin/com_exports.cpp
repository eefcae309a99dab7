// The DLL's entry points: the four standard exports of an in-process COM
// server, and DllInstall for a registration of the current user only
// (regsvr32 /n /i:user).

#include <exception>
#include <string>

#include "addin/class_factory.h"
#include "addin/identifiers.h"
#include "addin/registration.h"
#include "addin/server_lock.h"
#include "platform/win32/wide_text.h"

namespace {

HMODULE thisModule = nullptr;

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(thisModule, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// Where the add-in's own files are: beside the DLL.
std::string AddInDirectory() {
  const std::wstring path = ModulePath();
  return verbsmith::Utf8(path.substr(0, path.find_last_of(L'\\') + 1));
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    thisModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, verbsmith::addin::kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  verbsmith::addin::ClassFactory* factory = nullptr;
  try {
    factory = new verbsmith::addin::ClassFactory(AddInDirectory());
  } catch (const std::exception&) {
    return E_OUTOFMEMORY;
  }
  const HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}

HRESULT WINAPI DllCanUnloadNow() {
  return verbsmith::addin::ServerLock::InUse() ? S_FALSE : S_OK;
}

HRESULT WINAPI DllRegisterServer() {
  return verbsmith::addin::Register(verbsmith::addin::Scope::kMachine, ModulePath());
}

HRESULT WINAPI DllUnregisterServer() {
  return verbsmith::addin::Unregister(verbsmith::addin::Scope::kMachine);
}

HRESULT WINAPI DllInstall(BOOL install, LPCWSTR commandLine) {
  const bool user = commandLine != nullptr && lstrcmpiW(commandLine, L"user") == 0;
  const auto scope = user ? verbsmith::addin::Scope::kCurrentUser : verbsmith::addin::Scope::kMachine;
  return install ? verbsmith::addin::Register(scope, ModulePath()) : verbsmith::addin::Unregister(scope);
}

}  // extern "C"

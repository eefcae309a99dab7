#pragma once
// What registering the add-in writes, and unregistering removes: the class,
// its ProgID, its type library and dispatch interface under the classes of
// the current user or of the machine, and the entry in the environment's
// add-ins file (vbaddin.ini, section [Add-Ins32]) that lists it.

#include <string>
#include <vector>

#include "platform/win32/com_api.h"

namespace verbsmith::addin {

enum class Scope { kCurrentUser, kMachine };

struct RegistryValue {
  std::wstring key;   // under the classes root
  std::wstring name;  // empty: the key's default value
  std::wstring value;
};

// Every value registration writes, for the DLL at dllPath.
std::vector<RegistryValue> RegistrationValues(const std::wstring& dllPath);
// The keys registration creates and unregistration deletes with all below.
std::vector<std::wstring> RegistrationKeys();

// Both return S_OK or the first failure; unregistering what is not there
// succeeds.
HRESULT Register(Scope scope, const std::wstring& dllPath);
HRESULT Unregister(Scope scope);

// The environment's add-ins file: vbaddin.ini in the Windows directory.
std::wstring AddInsFile();

}  // namespace verbsmith::addin

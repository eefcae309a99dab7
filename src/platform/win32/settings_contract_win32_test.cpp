// The settings contract on Visual Basic's registry key, in the test run's
// own user profile.

#include <gtest/gtest.h>

#include "platform/win32/win32_settings.h"
#include "platform/win32/windows_api.h"
#include "support/settings_contract.h"

namespace verbsmith::test {
namespace {

// A run starts and ends without the applications the contract uses.
void RemoveTestSettings() {
  for (const wchar_t* application : {L"VerbsmithTest", L"VerbsmithOther"}) {
    RegDeleteTreeW(HKEY_CURRENT_USER,
                   (std::wstring(L"Software\\VB and VBA Program Settings\\") + application).c_str());
  }
}

struct RegistryStore {
  RegistryStore() { RemoveTestSettings(); }
  ~RegistryStore() { RemoveTestSettings(); }
  Win32Settings settings;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SettingsContractTest, ::testing::Types<RegistryStore>);

}  // namespace
}  // namespace verbsmith::test

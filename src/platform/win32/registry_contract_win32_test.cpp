// The registry contract on the system's registry, filled by reg import.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "support/registry_contract.h"
#include "support/temp_dir.h"

namespace verbsmith::test {
namespace {

struct SystemHive {
  void Load(const std::string& text) {
    dir.Write("contract.reg", text);
    Win32Processes processes;
    const ProcessId importer = processes.Start({"reg.exe", "import", dir.WindowsPath("contract.reg")}, true);
    ASSERT_EQ(processes.Wait(importer, std::chrono::seconds(30)), 0);
  }
  TempDir dir;
  Win32Registry registry;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContractTest, ::testing::Types<SystemHive>);

}  // namespace
}  // namespace verbsmith::test

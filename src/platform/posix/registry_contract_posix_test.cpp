// The registry contract on the POSIX adapter.

#include <gtest/gtest.h>

#include "platform/posix/posix_registry.h"
#include "support/registry_contract.h"

namespace verbsmith::test {
namespace {

struct LoadedHive {
  void Load(const std::string& text) { registry.LoadText(text, "contract.reg"); }
  PosixRegistry registry;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, RegistryContractTest, ::testing::Types<LoadedHive>);

}  // namespace
}  // namespace verbsmith::test

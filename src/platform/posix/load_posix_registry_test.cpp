#include "platform/posix/load_posix_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using ::testing::ElementsAre;

class RegistryFilesTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(RegistryFilesTest, TakesTheHivesOfThePrefixThatExistThenTheNonEmptyExports) {
  const std::string prefix = dir_.HostPath("prefix").string();
  EXPECT_THAT(RegistryFiles(prefix, ""), ElementsAre());
  dir_.Write("prefix/user.reg", "WINE REGISTRY Version 2\n");
  dir_.MakeDir("prefix/system.reg");
  EXPECT_THAT(RegistryFiles(prefix, "::x.reg::y.reg:"), ElementsAre(prefix + "/user.reg", "x.reg", "y.reg"));
  dir_.Write("full/system.reg", "WINE REGISTRY Version 2\n");
  dir_.Write("full/user.reg", "WINE REGISTRY Version 2\n");
  const std::string full = dir_.HostPath("full").string();
  EXPECT_THAT(RegistryFiles(full, "a.reg"), ElementsAre(full + "/system.reg", full + "/user.reg", "a.reg"));
}

}  // namespace
}  // namespace verbsmith

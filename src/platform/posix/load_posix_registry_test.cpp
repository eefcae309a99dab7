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

TEST_F(RegistryFilesTest, TakesTheHivesOfThePrefixThatExistThenTheExports) {
  dir_.Write("prefix/system.reg", "WINE REGISTRY Version 2\n");
  const std::string prefix = dir_.HostPath("prefix").string();
  EXPECT_THAT(RegistryFiles(prefix, "/home/nobody", "a.reg:b.reg"),
              ElementsAre(prefix + "/system.reg", "a.reg", "b.reg"));

  dir_.Write("prefix/user.reg", "WINE REGISTRY Version 2\n");
  EXPECT_THAT(RegistryFiles(prefix, "", ""), ElementsAre(prefix + "/system.reg", prefix + "/user.reg"));
}

TEST_F(RegistryFilesTest, FallsBackToHomesWineDirectoryIgnoringDirectoriesAndEmptyExports) {
  dir_.Write("home/.wine/user.reg", "WINE REGISTRY Version 2\n");
  dir_.MakeDir("home/.wine/system.reg");
  const std::string home = dir_.HostPath("home").string();
  EXPECT_THAT(RegistryFiles("", home, "::x.reg::y.reg:"),
              ElementsAre(home + "/.wine/user.reg", "x.reg", "y.reg"));
  EXPECT_THAT(RegistryFiles("", "", ""), ElementsAre());
}

}  // namespace
}  // namespace verbsmith

#include "platform/posix/executable_directory.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(ExecutableDirectoryTest, IsTheExistingDirectoryOfThisTestProgram) {
  const std::filesystem::path dir = ExecutableDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_TRUE(dir.is_absolute());
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_TRUE(std::filesystem::exists(dir / "platform_tests"));
}

}  // namespace
}  // namespace verbsmith

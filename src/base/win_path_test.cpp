#include "base/win_path.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(AddTrailingBackslashTest, AppendsOneBackslashOnlyWhenMissing) {
  EXPECT_EQ(AddTrailingBackslash(""), "");
  EXPECT_EQ(AddTrailingBackslash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(AddTrailingBackslash("C:"), "C:\\");
}

// Both splitters return the front part and leave the rest in the path.
TEST(WinPathTest, SplittersReturnTheFrontAndLeaveTheRestAndFileNamePartTheRest) {
  using Splitter = std::string (*)(std::string&);
  const struct {
    Splitter split;
    const char* path;
    const char* front;
    const char* rest;
  } cases[] = {
      {SplitDirectory, "C:\\a\\b.txt", "C:\\a\\", "b.txt"},
      {SplitDirectory, "Z:\\one\\two\\three\\file.bmp", "Z:\\one\\two\\three\\", "file.bmp"},
      {SplitDirectory, "b.txt", "", "b.txt"},
      {SplitDirectory, "C:\\a\\", "C:\\a\\", ""},
      // ParentDirectory drops one trailing backslash, then splits.
      {ParentDirectory, "C:\\a\\b\\", "C:\\a\\", "b"},
      {ParentDirectory, "C:\\a\\b\\\\", "C:\\a\\b\\", ""},
      {ParentDirectory, "C:\\", "", "C:"},
      {ParentDirectory, "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    std::string path = c.path;
    EXPECT_EQ(c.split(path), c.front);
    EXPECT_EQ(path, c.rest);
  }
}

}  // namespace
}  // namespace verbsmith

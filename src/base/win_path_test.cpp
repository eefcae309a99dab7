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
struct SplitCase {
  const char* path;
  const char* front;
  const char* rest;
};

TEST(WinPathTest, SplitDirectoryLeavesTheLastComponent) {
  const SplitCase cases[] = {
      {"C:\\a\\b.txt", "C:\\a\\", "b.txt"},
      {"Z:\\one\\two\\three\\file.bmp", "Z:\\one\\two\\three\\", "file.bmp"},
      {"b.txt", "", "b.txt"},
      {"C:\\a\\", "C:\\a\\", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.path);
    std::string path = c.path;
    EXPECT_EQ(SplitDirectory(path), c.front);
    EXPECT_EQ(path, c.rest);
  }
}

TEST(WinPathTest, ParentDirectoryDropsOneTrailingBackslashAndLeavesTheLastName) {
  const SplitCase cases[] = {
      {"C:\\a\\b\\", "C:\\a\\", "b"},
      {"C:\\a\\b\\\\", "C:\\a\\b\\", ""},
      {"C:\\", "", "C:"},
      {"", "", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.path);
    std::string path = c.path;
    EXPECT_EQ(ParentDirectory(path), c.front);
    EXPECT_EQ(path, c.rest);
  }
}

TEST(WinPathTest, FileNamePartTakesTextAfterTheLastBackslash) {
  EXPECT_EQ(FileNamePart("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(FileNamePart("b.txt"), "b.txt");
  EXPECT_EQ(FileNamePart("C:\\a\\"), "");
}

}  // namespace
}  // namespace verbsmith

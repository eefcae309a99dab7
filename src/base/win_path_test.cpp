#include "base/win_path.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(AddTrailingBackslashTest, LeavesAnEmptyPathEmpty) {
  EXPECT_EQ(AddTrailingBackslash(""), "");
}

TEST(AddTrailingBackslashTest, AppendsOneBackslashOnlyWhenMissing) {
  EXPECT_EQ(AddTrailingBackslash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(AddTrailingBackslash("C:"), "C:\\");
}

TEST(SplitDirectoryTest, ReturnsDirectoryAndLeavesLastComponent) {
  std::string path = "C:\\a\\b.txt";
  EXPECT_EQ(SplitDirectory(path), "C:\\a\\");
  EXPECT_EQ(path, "b.txt");
}

TEST(SplitDirectoryTest, KeepsEveryLevelOfADeepPath) {
  std::string path = "Z:\\one\\two\\three\\file.bmp";
  EXPECT_EQ(SplitDirectory(path), "Z:\\one\\two\\three\\");
  EXPECT_EQ(path, "file.bmp");
}

TEST(SplitDirectoryTest, LeavesAPathWithoutBackslashAlone) {
  std::string path = "b.txt";
  EXPECT_EQ(SplitDirectory(path), "");
  EXPECT_EQ(path, "b.txt");
}

TEST(SplitDirectoryTest, EmptiesPathEndingInBackslash) {
  std::string path = "C:\\a\\";
  EXPECT_EQ(SplitDirectory(path), "C:\\a\\");
  EXPECT_EQ(path, "");
}

TEST(ParentDirectoryTest, GivesParentAndLeavesLastDirectoryName) {
  std::string path = "C:\\a\\b\\";
  EXPECT_EQ(ParentDirectory(path), "C:\\a\\");
  EXPECT_EQ(path, "b");
}

TEST(ParentDirectoryTest, DropsOnlyOneTrailingBackslash) {
  std::string path = "C:\\a\\b\\\\";
  EXPECT_EQ(ParentDirectory(path), "C:\\a\\b\\");
  EXPECT_EQ(path, "");
}

TEST(ParentDirectoryTest, OfADriveRootIsEmpty) {
  std::string path = "C:\\";
  EXPECT_EQ(ParentDirectory(path), "");
  EXPECT_EQ(path, "C:");
}

TEST(ParentDirectoryTest, OfAnEmptyPathIsEmpty) {
  std::string path;
  EXPECT_EQ(ParentDirectory(path), "");
  EXPECT_EQ(path, "");
}

TEST(FileNamePartTest, TakesTextAfterLastBackslash) {
  EXPECT_EQ(FileNamePart("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(FileNamePart("b.txt"), "b.txt");
  EXPECT_EQ(FileNamePart("C:\\a\\"), "");
  EXPECT_EQ(FileNamePart(""), "");
}

}  // namespace
}  // namespace verbsmith

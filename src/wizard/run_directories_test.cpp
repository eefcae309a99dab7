#include "wizard/run_directories.h"

#include <gtest/gtest.h>

#include "support/memory_file_system.h"

namespace verbsmith {
namespace {

// Another wizard may have finished a project in a directory this run made
// meanwhile: only what is still empty goes, and nothing in it is deleted.
TEST(RunDirectoriesTest, RemovesOnlyTheEmptyDirectoriesOfTheRunNewestFirst) {
  test::MemoryFileSystem fs;
  for (const char* directory : {"C:\\Atlas", "C:\\Atlas\\src", "C:\\Atlas\\bin", "C:\\Atlas\\bin\\x"}) {
    fs.MakeDirectory(directory);
  }
  fs.WriteText("C:\\Atlas\\src\\Atlas.vbp", "Name=\"Atlas\"\r\n");
  RemoveCreatedDirectories(
      fs, {"C:\\Atlas", "C:\\Atlas\\src", "C:\\Atlas\\bin", "C:\\Atlas\\bin\\x", "C:\\Gone"});
  EXPECT_EQ(fs.ReadText("C:\\Atlas\\src\\Atlas.vbp"), "Name=\"Atlas\"\r\n");
  EXPECT_FALSE(DirectoryExists(fs, "C:\\Atlas\\bin"));
  EXPECT_TRUE(DirectoryExists(fs, "C:\\Atlas"));
}

}  // namespace
}  // namespace verbsmith

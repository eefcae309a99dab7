#include "platform/staged_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "support/memory_file_system.h"

namespace verbsmith {
namespace {

using ::testing::ElementsAre;

int32_t ErrorNumberOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const VbError& error) {
    return error.Number();
  }
  return 0;
}

class StagedFileSystemTest : public ::testing::Test {
 protected:
  StagedFileSystemTest() {
    disk.MakeDirectory("C:\\p");
    disk.WriteText("C:\\t.cls", "Attribute VB_Name = \"T\"");
    disk.WriteText("C:\\p\\Old.cls", "old");
  }

  test::MemoryFileSystem disk;
  StagedFileSystem staged{disk};
};

// The copy and its rewrite stay in memory: the disk sees only the finished
// file, once, at the commit.
TEST_F(StagedFileSystemTest, HoldsCopiesAndRewritesUntilTheCommit) {
  staged.MakeDirectory("C:\\p\\src");
  staged.CopyFile("C:\\t.cls", "C:\\p\\src\\Cmd.cls");
  EXPECT_EQ(staged.ReadText("C:\\P\\SRC\\cmd.cls"), "Attribute VB_Name = \"T\"");
  staged.WriteText("C:\\p\\src\\Cmd.cls", "Attribute VB_Name = \"Cmd\"");
  staged.WriteText("C:\\p\\Old.cls", "new");
  EXPECT_THAT(staged.List("C:\\p\\src\\*.cls", 0), ElementsAre("Cmd.cls"));
  EXPECT_EQ(staged.GetAttributes("C:\\p\\src"), attr::kDirectory);
  EXPECT_FALSE(DirectoryExists(disk, "C:\\p\\src"));
  EXPECT_EQ(disk.ReadText("C:\\p\\Old.cls"), "old");

  EXPECT_THAT(staged.HeldFiles(), ElementsAre("C:\\p\\src\\Cmd.cls", "C:\\p\\Old.cls"));
  staged.Commit();
  EXPECT_EQ(disk.ReadText("C:\\p\\src\\Cmd.cls"), "Attribute VB_Name = \"Cmd\"");
  EXPECT_EQ(disk.ReadText("C:\\p\\Old.cls"), "new");
  EXPECT_TRUE(staged.HeldFiles().empty());
}

// Failures come when the call is made, with the numbers the disk gives.
TEST_F(StagedFileSystemTest, FailsAtTheCallAsTheDiskWould) {
  EXPECT_EQ(ErrorNumberOf([&] { staged.CopyFile("C:\\missing.cls", "C:\\p\\x.cls"); }), vberr::kFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { staged.WriteText("C:\\nowhere\\x.cls", "x"); }), vberr::kPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { staged.MakeDirectory("C:\\nowhere\\src"); }), vberr::kPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { staged.MakeDirectory("C:\\p"); }), vberr::kPathFileAccessError);
  disk.SetAttributes("C:\\p\\Old.cls", attr::kReadOnly);
  EXPECT_EQ(ErrorNumberOf([&] { staged.WriteText("C:\\p\\Old.cls", "x"); }), vberr::kPathFileAccessError);
  // A copy replaces a read-only file, as on the disk.
  staged.CopyFile("C:\\t.cls", "C:\\p\\Old.cls");
  staged.Commit();
  EXPECT_EQ(disk.ReadText("C:\\p\\Old.cls"), "Attribute VB_Name = \"T\"");
}

}  // namespace
}  // namespace verbsmith

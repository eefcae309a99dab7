// What the file system port promises, checked on the POSIX adapter and on
// the in-memory fake the other layers' tests use, so the fake cannot drift;
// and the composites beside the port.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/posix/posix_file_system.h"
#include "support/memory_file_system.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using Names = std::vector<std::string>;

// A fresh directory on either file system, named in Windows form.
struct PosixFiles {
  test::TempDir dir;
  PosixFileSystem fs{PathMapper(dir.HostPath("prefix"))};
  std::string root = dir.WindowsPath("");
};
struct MemoryFiles {
  test::MemoryFileSystem fs;
  std::string root = (fs.PutDirectory("C:\\t"), "C:\\t\\");
};

template <typename Files>
class FileSystemContractTest : public ::testing::Test {
 protected:
  int32_t ErrorOf(const std::function<void()>& operation) {
    try {
      operation();
    } catch (const VbError& error) {
      return error.Number();
    }
    return 0;
  }
  Files files_;
  FileSystem& fs_ = files_.fs;
  const std::string& root_ = files_.root;
};

using Both = ::testing::Types<PosixFiles, MemoryFiles>;
TYPED_TEST_SUITE(FileSystemContractTest, Both);

TYPED_TEST(FileSystemContractTest, NamesAreFoundWhateverTheirCaseAndListedInOrder) {
  FileSystem& fs = this->fs_;
  const std::string& root = this->root_;
  fs.MakeDirectory(root + "Src");
  fs.WriteText(root + "src\\b.CLS", "caf\xC3\xA9\r\n");
  fs.WriteText(root + "SRC\\a.cls", "");
  EXPECT_EQ(fs.ReadBytes(root + "Src\\B.cls"), "caf\xE9\r\n");
  EXPECT_EQ(fs.ReadText(root + "Src\\B.cls"), "caf\xC3\xA9\r\n");
  EXPECT_EQ(fs.List(root + "src\\*.cls", attr::kNormal), (Names{"a.cls", "b.CLS"}));
  EXPECT_EQ(fs.List(root, attr::kDirectory), (Names{".", "Src"}));
  EXPECT_EQ(fs.List(root + "missing\\*.*", attr::kNormal), Names{});
  EXPECT_EQ(fs.GetAttributes(root + "SRC"), attr::kDirectory);
  fs.WriteText(root + ".hidden", "");
  EXPECT_EQ(fs.GetAttributes(root + ".hidden"), attr::kHidden);
}

TYPED_TEST(FileSystemContractTest, DeleteRemovesOneFileOrEveryMatchingPlainFile) {
  FileSystem& fs = this->fs_;
  const std::string& root = this->root_;
  for (const char* name : {"a.tmp", "b.TMP", "c.tmp", "keep.txt"}) fs.WriteText(root + name, "");
  fs.MakeDirectory(root + "dir.tmp");
  fs.DeleteFile(root + "A.TMP");
  EXPECT_EQ(fs.List(root + "*.*", attr::kDirectory), (Names{"b.TMP", "c.tmp", "dir.tmp", "keep.txt"}));
  fs.DeleteFile(root + "*.tmp");
  EXPECT_EQ(fs.List(root + "*.*", attr::kDirectory), (Names{"dir.tmp", "keep.txt"}));
  EXPECT_EQ(this->ErrorOf([&] { fs.DeleteFile(root + "*.tmp"); }), vberr::kFileNotFound);
}

TYPED_TEST(FileSystemContractTest, FailuresCarryTheFileErrorNumbers) {
  FileSystem& fs = this->fs_;
  const std::string& root = this->root_;
  fs.WriteText(root + "f.txt", "x");
  fs.SetAttributes(root + "f.txt", attr::kReadOnly);
  EXPECT_EQ(fs.GetAttributes(root + "f.txt"), attr::kReadOnly);
  EXPECT_EQ(this->ErrorOf([&] { fs.ReadText(root + "none.txt"); }), vberr::kFileNotFound);
  EXPECT_EQ(this->ErrorOf([&] { fs.ReadText(root + "none\\f.txt"); }), vberr::kPathNotFound);
  EXPECT_EQ(this->ErrorOf([&] { fs.WriteText(root + "f.txt", "y"); }), vberr::kPathFileAccessError);
  EXPECT_EQ(this->ErrorOf([&] { fs.DeleteFile(root + "f.txt"); }), vberr::kPathFileAccessError);
  EXPECT_EQ(this->ErrorOf([&] { fs.MakeDirectory(root + "f.txt"); }), vberr::kPathFileAccessError);
  EXPECT_EQ(this->ErrorOf([&] { fs.ReadText(root); }), vberr::kPathFileAccessError);
  EXPECT_EQ(this->ErrorOf([&] { fs.ReadText(root + "a|b"); }), vberr::kBadFileNameOrNumber);
  fs.CopyFile(root + "f.txt", root + "g.txt");  // a copy keeps the attribute
  EXPECT_EQ(fs.GetAttributes(root + "g.txt"), attr::kReadOnly);
  EXPECT_EQ(fs.ReadText(root + "f.txt"), "x");
}

TYPED_TEST(FileSystemContractTest, TempFilesAreNewAndEmptyWithThePrefixsFirstThreeCharacters) {
  FileSystem& fs = this->fs_;
  const std::string first = fs.CreateTempFile(this->root_, "rescopy");
  const std::string second = fs.CreateTempFile(this->root_, "rescopy");
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(this->root_ + "res", 0), 0u) << first;
  EXPECT_TRUE(first.ends_with(".tmp"));
  EXPECT_EQ(fs.ReadText(second), "");
  EXPECT_EQ(this->ErrorOf([&] { fs.CreateTempFile(this->root_ + "none\\", "x"); }), vberr::kPathNotFound);
}

TYPED_TEST(FileSystemContractTest, DirectoriesAreMadeWithTheirParentsAndRemovedWithTheirContent) {
  FileSystem& fs = this->fs_;
  const std::string& root = this->root_;
  EXPECT_TRUE(MakeDirectoryPath(fs, root + "a\\b\\c\\"));
  EXPECT_TRUE(MakeDirectoryIfMissing(fs, root + "a\\b"));
  fs.WriteText(root + "a\\b\\c\\f.txt", "x");
  fs.WriteText(root + "file", "x");
  EXPECT_FALSE(MakeDirectoryIfMissing(fs, root + "file"));
  EXPECT_FALSE(MakeDirectoryPath(fs, root + "file\\d"));
  EXPECT_FALSE(DirectoryExists(fs, root + "file"));
  RemoveDirectoryTree(fs, root + "a");
  EXPECT_FALSE(DirectoryExists(fs, root + "a"));
  EXPECT_EQ(fs.List(root + "*.*", attr::kDirectory), (Names{"file"}));
}

}  // namespace
}  // namespace verbsmith

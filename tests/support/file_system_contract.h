#pragma once
// What the file system port promises, for every adapter and for the
// in-memory fake the other layers' tests use, so that none can drift: each
// platform's test instantiates it with its adapters
// (INSTANTIATE_TYPED_TEST_SUITE_P). A Files type holds a FileSystem fs and
// root, a fresh directory in the product's form with a trailing backslash.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/file_system.h"

namespace verbsmith::test {

using Names = std::vector<std::string>;

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

TYPED_TEST_SUITE_P(FileSystemContractTest);

TYPED_TEST_P(FileSystemContractTest, NamesAreFoundWhateverTheirCaseAndListedInOrder) {
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
}

TYPED_TEST_P(FileSystemContractTest, DeleteRemovesOneFileOrEveryMatchingPlainFile) {
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

TYPED_TEST_P(FileSystemContractTest, FailuresCarryTheFileErrorNumbers) {
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

TYPED_TEST_P(FileSystemContractTest, TempFilesAreNewAndEmptyWithThePrefixsFirstThreeCharacters) {
  FileSystem& fs = this->fs_;
  const std::string first = fs.CreateTempFile(this->root_, "rescopy");
  const std::string second = fs.CreateTempFile(this->root_, "rescopy");
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(this->root_ + "res", 0), 0u) << first;
  EXPECT_TRUE(first.ends_with(".tmp"));
  EXPECT_EQ(fs.ReadText(second), "");
  EXPECT_EQ(this->ErrorOf([&] { fs.CreateTempFile(this->root_ + "none\\", "x"); }), vberr::kPathNotFound);
}

TYPED_TEST_P(FileSystemContractTest, DirectoriesAreMadeWithTheirParentsAndRemovedWithTheirContent) {
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

REGISTER_TYPED_TEST_SUITE_P(FileSystemContractTest, NamesAreFoundWhateverTheirCaseAndListedInOrder,
                            DeleteRemovesOneFileOrEveryMatchingPlainFile, FailuresCarryTheFileErrorNumbers,
                            TempFilesAreNewAndEmptyWithThePrefixsFirstThreeCharacters,
                            DirectoriesAreMadeWithTheirParentsAndRemovedWithTheirContent);

}  // namespace verbsmith::test

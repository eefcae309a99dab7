// The file system contract on the POSIX adapter and on the in-memory fake;
// and what only the POSIX adapter does.

#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "support/file_system_contract.h"
#include "support/memory_file_system.h"
#include "support/temp_dir.h"

namespace verbsmith::test {
namespace {

// A fresh directory on either file system, named in Windows form.
struct PosixFiles {
  TempDir dir;
  PosixFileSystem fs{PathMapper(dir.HostPath("prefix"))};
  std::string root = dir.WindowsPath("");
};
struct MemoryFiles {
  MemoryFileSystem fs;
  std::string root = (fs.PutDirectory("C:\\t"), "C:\\t\\");
};

using Both = ::testing::Types<PosixFiles, MemoryFiles>;
INSTANTIATE_TYPED_TEST_SUITE_P(Posix, FileSystemContractTest, Both);

// A POSIX host has no hidden attribute: a name starting with a dot is how
// its users hide a file.
TEST(PosixFileSystemHiddenTest, ADotNameIsHidden) {
  PosixFiles files;
  files.fs.WriteText(files.root + ".hidden", "");
  EXPECT_EQ(files.fs.GetAttributes(files.root + ".hidden"), attr::kHidden);
}

}  // namespace
}  // namespace verbsmith::test

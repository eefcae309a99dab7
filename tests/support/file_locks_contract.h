#pragma once
// What the file locks port promises on every host. A Locks type holds a
// TempDir dir, a FileSystem files and the FileLocks locks that write
// through it.

#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "platform/file_locks.h"
#include "support/temp_dir.h"

namespace verbsmith::test {

template <typename Locks>
class FileLocksContractTest : public ::testing::Test {
 protected:
  Locks host_;
};

TYPED_TEST_SUITE_P(FileLocksContractTest);

// A journal rewritten while its Finish runs is never seen unlocked, stays
// readable, and a lock taken after it is gone finds nothing there.
TYPED_TEST_P(FileLocksContractTest, AWrittenFileStaysLockedAcrossRewritesUntilReleased) {
  using std::chrono::milliseconds;
  FileLocks& locks = this->host_.locks;
  FileSystem& files = this->host_.files;
  const std::string path = this->host_.dir.WindowsPath("finish-1.json");
  auto first = locks.WriteLocked(path, "{}");
  EXPECT_EQ(locks.Lock(path, milliseconds(0)), nullptr);
  auto second = locks.WriteLocked(path, "[]");
  first.reset();
  EXPECT_EQ(locks.Lock(path, milliseconds(50)), nullptr);
  EXPECT_EQ(files.ReadBytes(path), "[]");
  second.reset();
  auto third = locks.Lock(path, milliseconds(0));
  EXPECT_NE(third, nullptr);
  EXPECT_EQ(files.ReadBytes(path), "[]");
  const std::string project = this->host_.dir.WindowsPath("");
  auto directory = locks.Lock(project, milliseconds(0));
  EXPECT_NE(directory, nullptr);
  EXPECT_EQ(locks.Lock(project, milliseconds(0)), nullptr);
  files.DeleteFile(path);  // as a journal taken back is, while locked
  third.reset();
  EXPECT_THROW(locks.Lock(path, milliseconds(0)), VbError);
}

REGISTER_TYPED_TEST_SUITE_P(FileLocksContractTest, AWrittenFileStaysLockedAcrossRewritesUntilReleased);

}  // namespace verbsmith::test

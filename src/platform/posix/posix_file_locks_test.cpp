#include "platform/posix/posix_file_locks.h"

#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using std::chrono::milliseconds;

// A journal rewritten while its Finish runs is never seen unlocked, and a
// lock taken after it is gone finds nothing there.
TEST(PosixFileLocksTest, AWrittenFileStaysLockedAcrossRewritesUntilReleased) {
  test::TempDir dir;
  PosixFileSystem files;
  PosixFileLocks locks(files);
  const std::string path = dir.WindowsPath("finish-1.json");
  auto first = locks.WriteLocked(path, "{}");
  EXPECT_EQ(locks.Lock(path, milliseconds(0)), nullptr);
  auto second = locks.WriteLocked(path, "[]");
  first.reset();
  EXPECT_EQ(locks.Lock(path, milliseconds(50)), nullptr);
  EXPECT_EQ(files.ReadBytes(path), "[]");
  second.reset();
  EXPECT_NE(locks.Lock(path, milliseconds(0)), nullptr);
  EXPECT_NE(locks.Lock(dir.WindowsPath(""), milliseconds(0)), nullptr);  // a directory too
  files.DeleteFile(path);
  EXPECT_THROW(locks.Lock(path, milliseconds(0)), VbError);
}

}  // namespace
}  // namespace verbsmith

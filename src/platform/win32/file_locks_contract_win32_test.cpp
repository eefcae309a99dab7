// The file locks contract on the Windows adapter.

#include <gtest/gtest.h>

#include "platform/win32/win32_file_locks.h"
#include "support/file_locks_contract.h"

namespace verbsmith::test {
namespace {

struct Win32Locks {
  TempDir dir;
  Win32FileSystem files;
  Win32FileLocks locks{files};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileLocksContractTest, ::testing::Types<Win32Locks>);

}  // namespace
}  // namespace verbsmith::test

// The file locks contract on the POSIX adapter.

#include "platform/posix/posix_file_locks.h"

#include <gtest/gtest.h>

#include "support/file_locks_contract.h"

namespace verbsmith::test {
namespace {

struct PosixLocks {
  TempDir dir;
  PosixFileSystem files;
  PosixFileLocks locks{files};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, FileLocksContractTest, ::testing::Types<PosixLocks>);

}  // namespace
}  // namespace verbsmith::test

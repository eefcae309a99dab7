// The profile files contract on the INI emulation.

#include "platform/posix/ini_profile_files.h"

#include <gtest/gtest.h>

#include "support/memory_file_system.h"
#include "support/profile_files_contract.h"

namespace verbsmith::test {
namespace {

struct MemoryIniFiles {
  MemoryFileSystem fs;
  MemoryDir dir{fs};
  IniProfileFiles profiles{fs};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Ini, ProfileFilesContractTest, ::testing::Types<MemoryIniFiles>);

}  // namespace
}  // namespace verbsmith::test

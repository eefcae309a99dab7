// The file system contract on the Windows adapter.

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "support/file_system_contract.h"
#include "support/temp_dir.h"

namespace verbsmith::test {
namespace {

struct Win32Files {
  TempDir dir;
  Win32FileSystem fs;
  std::string root = dir.WindowsPath("");
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileSystemContractTest, ::testing::Types<Win32Files>);

}  // namespace
}  // namespace verbsmith::test

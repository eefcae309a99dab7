// The profile files contract on the system's profile-string functions, and
// on the INI emulation over the Windows file system: the two must agree.

#include <gtest/gtest.h>

#include "platform/posix/ini_profile_files.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_files.h"
#include "support/profile_files_contract.h"
#include "support/temp_dir.h"

namespace verbsmith::test {
namespace {

struct SystemFiles {
  TempDir dir;
  Win32ProfileFiles profiles;
};
struct IniFiles {
  TempDir dir;
  Win32FileSystem fs;
  IniProfileFiles profiles{fs};
};

using SystemAndEmulation = ::testing::Types<SystemFiles, IniFiles>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileFilesContractTest, SystemAndEmulation);

}  // namespace
}  // namespace verbsmith::test

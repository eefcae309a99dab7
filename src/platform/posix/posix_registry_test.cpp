#include "platform/posix/posix_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/vb_error.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string Fixture(std::string_view name) {
  return test::SourceTreePath("tests/fixtures/registry/" + std::string(name)).string();
}

class PosixRegistryTest : public ::testing::Test {
 protected:
  PosixRegistryTest()
      : registry_({Fixture("system.reg"), Fixture("user.reg"), Fixture("regedit4.reg"),
                   Fixture("export5_utf16.reg")}) {}

  // Every test closes what it opens.
  void TearDown() override { EXPECT_EQ(registry_.OpenHandleCount(), 0u); }

  RegKey Open(RegKey root, const std::string& path) {
    RegKey key = 0;
    EXPECT_EQ(registry_.OpenKey(root, path, &key), regcode::kSuccess) << path;
    return key;
  }

  // A value read through a key opened for the purpose; "<open n>" or
  // "<code n>" when the open or the read fails.
  template <typename Query>
  std::string ReadThrough(RegKey root, const std::string& path, Query query) {
    RegKey key = 0;
    const long opened = registry_.OpenKey(root, path, &key);
    if (opened != regcode::kSuccess) return "<open " + std::to_string(opened) + ">";
    std::string value;
    const long read = query(key, &value);
    EXPECT_EQ(registry_.CloseKey(key), regcode::kSuccess);
    return read == regcode::kSuccess ? value : "<code " + std::to_string(read) + ">";
  }

  // The default value of root\path\subkey.
  std::string Default(RegKey root, const std::string& path, const std::string& subkey,
                      size_t bufferSize = 255) {
    return ReadThrough(root, path, [&](RegKey key, std::string* value) {
      return registry_.QueryDefaultValue(key, subkey, value, bufferSize);
    });
  }

  std::string Named(RegKey root, const std::string& path, const std::string& name, size_t bufferSize = 255) {
    return ReadThrough(root, path, [&](RegKey key, std::string* value) {
      return registry_.QueryValue(key, name, value, bufferSize);
    });
  }

  std::vector<std::string> Subkeys(RegKey key) {
    std::vector<std::string> names;
    std::string name;
    uint32_t index = 0;
    long result;
    while ((result = registry_.EnumKey(key, index, &name)) == regcode::kSuccess) {
      names.push_back(name);
      ++index;
    }
    EXPECT_EQ(result, regcode::kNoMoreItems);
    return names;
  }

  PosixRegistry registry_;
};

// Lookups of each kind the product makes, across the system, user,
// REGEDIT4 and UTF-16 version 5 files.
TEST_F(PosixRegistryTest, AnswersLookupsInEveryExportFormat) {
  const RegKey hkcr = regroot::kClassesRoot, hklm = regroot::kLocalMachine, hkcu = regroot::kCurrentUser;
  const std::string buffer = "CLSID\\{11111111-2222-3333-4444-555555555555}";
  const std::string zoom = "CLSID\\{22222222-0000-0000-0000-000000000002}\\InprocServer32";
  const std::string pan = "CLSID\\{33333333-0000-0000-0000-000000000003}\\InprocServer32";
  const struct {
    RegKey root;
    std::string path;
    const char* name;
    bool isDefault;  // the default value of subkey `name`, else the named value
    std::string expected;
  } cases[] = {
      {hkcr, "BufferCmd.BufferCls", "Clsid", true, "{11111111-2222-3333-4444-555555555555}"},
      {hkcr, buffer, "InprocServer32", true, "C:\\Carthex\\Commands\\BufferCmd\\bin\\BufferCmd.dll"},
      {hkcr, buffer, "LocalServer32", true, "<code 2>"},
      {hkcr, buffer + "\\InprocServer32", "ThreadingModel", false, "Apartment"},
      {hkcr, "CLSID\\{66666666-7777-8888-9999-000000000000}", "InprocServer32", true, "<code 2>"},
      {hkcr, "CLSID\\{66666666-7777-8888-9999-000000000000}", "LocalServer32", true,
       "C:\\Carthex\\Tools\\Measure.exe"},
      {hkcr, "CLSID", "{11111111-2222-3333-4444-555555555555}", true, "Buffers the map view|Buffer tool"},
      // Key and value names match without regard to case.
      {hkcr, "buffercmd.BUFFERCLS", "CLSID", true, "{11111111-2222-3333-4444-555555555555}"},
      {hkcr, "useronly.cls", "clsid", true, "{AAAAAAAA-0000-0000-0000-000000000001}"},
      {hkcu, "SOFTWARE\\microsoft\\visual basic\\5.0", "booksexepath", false,
       "C:\\Program Files\\DevStudio\\VB\\books.exe"},
      {hklm, "Software\\Microsoft\\Visual Basic\\5.0", "BooksExePath", false, "<open 2>"},
      {hklm, "software\\escapes", "BRACK]ET\\CAF\xC3\x89", true, "bracket and accent"},
      {hklm, "Software", "Escapes", true, ""},  // no default value
      {hkcr, "\\CLSID", "", true, "<open 2>"},  // no path starts at a separator
      {hkcr, "NoSuch.Cls", "", true, "<open 2>"},
      // Typed values read as text.
      {hklm, "Software\\Escapes", "Expand", false, "%SystemRoot%\\system32"},
      {hklm, "Software\\Escapes", "Multi", false, std::string("one\0two\0", 8)},
      {hklm, "Software\\Escapes", "Number", false, "42"},
      {hklm, "Software\\Escapes", "Blob", false, "\x01\x02\x03\xff"},
      {hklm, "Software\\Escapes", "Wrapped", false, "%PATH%\\bin"},
      {hklm, "Software\\Escapes", "Sz in hex", false, "hi"},
      {hklm, "Software\\Escapes", "Missing", false, "<code 2>"},
      // REGEDIT4, in its code page; a later file removes a key an earlier one made.
      {hkcr, "CLSID", "{22222222-0000-0000-0000-000000000002}", true, "Zoom to the caf\xC3\xA9|Zoom"},
      {hkcr, zoom, "Path", false, "C:\\\xC3\xA9t\xC3\xA9"},
      {hklm, "Software\\Carthex\\Settings", "Flags", false, "16"},
      {hklm, "Software\\Carthex\\Settings", "Unwanted", false, "<code 2>"},
      {hkcr, "MeasureCmd.MeasureCls", "Clsid", true, "<open 2>"},
      {hklm, "Software\\Classes\\MeasureCmd.MeasureCls", "", true, "<open 2>"},
      // Version 5 in UTF-16.
      {hkcr, "CLSID", "{33333333-0000-0000-0000-000000000003}", true,
       "Pan the \xC3\xBC"
       "bersicht \xE5\x9C\xB0\xE5\x9B\xBE|Pan"},
      {hkcr, pan, "Expand", false, "%TEMP%\\\xE5\xB4\xBC"},
      {hkcu, "Software\\Carthex", "Owner", false, "Zo\xC3\xAB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + " : " + c.name);
    EXPECT_EQ(c.isDefault ? Default(c.root, c.path, c.name) : Named(c.root, c.path, c.name), c.expected);
  }
}

TEST_F(PosixRegistryTest, ShowsTheUsersClassKeyOverTheMachinesWithBothSetsOfSubkeys) {
  EXPECT_EQ(Default(regroot::kClassesRoot, "Shadowed.ShadowCls", ""), "user");
  // The user's key is the one seen: the machine key's values are not.
  EXPECT_EQ(Named(regroot::kClassesRoot, "Shadowed.ShadowCls", "MachineOnly"), "<code 2>");
  EXPECT_EQ(Default(regroot::kClassesRoot, "Shadowed.ShadowCls", "UserChild"), "from the user");
  EXPECT_EQ(Default(regroot::kClassesRoot, "Shadowed.ShadowCls", "MachineChild"), "replaced by REGEDIT4");

  const RegKey key = Open(regroot::kClassesRoot, "Shadowed.ShadowCls");
  EXPECT_THAT(Subkeys(key), ElementsAre("MachineChild", "UserChild"));
  EXPECT_EQ(registry_.CloseKey(key), regcode::kSuccess);

  // The hives themselves stay apart.
  EXPECT_EQ(Default(regroot::kLocalMachine, "Software\\Classes\\Shadowed.ShadowCls", ""), "machine");
  EXPECT_EQ(Default(regroot::kCurrentUser, "Software\\Classes\\Shadowed.ShadowCls", ""), "user");
  EXPECT_EQ(Default(regroot::kLocalMachine, "Software\\Classes", "UserOnly.Cls"), "<code 2>");
}

TEST_F(PosixRegistryTest, FitsAValueOf254CharactersIntoABufferOf255ButNot255) {
  const std::string fits = Default(regroot::kClassesRoot, "Verbsmith.Fits254", "Clsid");
  EXPECT_EQ(fits.size(), 254u);
  EXPECT_TRUE(fits.starts_with("C:\\Long\\xxx"));

  EXPECT_EQ(Default(regroot::kClassesRoot, "Verbsmith.Over255", "Clsid"), "<code 234>");
  EXPECT_EQ(Default(regroot::kClassesRoot, "Verbsmith.Over255", "Clsid", 256).size(), 255u);
  EXPECT_EQ(Named(regroot::kClassesRoot, "Verbsmith.Over255\\Clsid", ""), "<code 234>");

  RegKey key = Open(regroot::kClassesRoot, "Verbsmith.Over255");
  std::string value = "stale";
  EXPECT_EQ(registry_.QueryDefaultValue(key, "Clsid", &value), regcode::kMoreData);
  EXPECT_EQ(value, "");
  EXPECT_EQ(registry_.CloseKey(key), regcode::kSuccess);
  // Characters, not bytes, count against the buffer: "Zoë" is three characters in four bytes.
  EXPECT_EQ(Named(regroot::kCurrentUser, "Software\\Carthex", "Owner", 4), "Zo\xC3\xAB");
  EXPECT_EQ(Named(regroot::kCurrentUser, "Software\\Carthex", "Owner", 3), "<code 234>");
}

TEST_F(PosixRegistryTest, EnumeratesTheClassesRootAndOpenKeysInOrderUntilNoMoreItems) {
  EXPECT_THAT(Subkeys(regroot::kClassesRoot),
              ElementsAre(".vbp", "BufferCmd.BufferCls", "CLSID", "PanCmd.PanCls", "Shadowed.ShadowCls",
                          "UserOnly.Cls", "Verbsmith.Fits254", "Verbsmith.Over255", "ZoomCmd.ZoomCls"));
  std::string name = "kept";
  EXPECT_EQ(registry_.EnumKey(regroot::kClassesRoot, 9, &name), regcode::kNoMoreItems);
  EXPECT_EQ(registry_.EnumKey(regroot::kClassesRoot, 1000, &name), regcode::kNoMoreItems);

  const RegKey key = Open(regroot::kClassesRoot, "clsid");
  EXPECT_THAT(
      Subkeys(key),
      ElementsAre("{11111111-2222-3333-4444-555555555555}", "{22222222-0000-0000-0000-000000000002}",
                  "{33333333-0000-0000-0000-000000000003}", "{66666666-7777-8888-9999-000000000000}"));
  EXPECT_EQ(registry_.EnumKey(key, 0, &name, 38), regcode::kMoreData);
  EXPECT_EQ(registry_.EnumKey(key, 0, &name, 39), regcode::kSuccess);
  EXPECT_EQ(registry_.CloseKey(key), regcode::kSuccess);

  const RegKey leaf = Open(regroot::kClassesRoot, "BufferCmd.BufferCls\\Clsid");
  EXPECT_THAT(Subkeys(leaf), ElementsAre());
  EXPECT_EQ(registry_.CloseKey(leaf), regcode::kSuccess);
}

TEST_F(PosixRegistryTest, OpensRelativeToAnOpenKey) {
  const RegKey classes = Open(regroot::kClassesRoot, "");
  const RegKey clsid = Open(classes, "CLSID\\{11111111-2222-3333-4444-555555555555}");
  EXPECT_NE(classes, clsid);
  std::string value;
  EXPECT_EQ(registry_.QueryDefaultValue(clsid, "", &value), regcode::kSuccess);
  EXPECT_EQ(value, "Buffers the map view|Buffer tool");
  EXPECT_EQ(registry_.CloseKey(clsid), regcode::kSuccess);
  EXPECT_EQ(registry_.CloseKey(classes), regcode::kSuccess);
}

class PosixRegistryHandleTest : public PosixRegistryTest {};

TEST_F(PosixRegistryHandleTest, AnswersInvalidHandleForAKeyThatIsNotOpen) {
  const RegKey closed = Open(regroot::kLocalMachine, "Software");
  const RegKey other = Open(regroot::kLocalMachine, "Software");
  EXPECT_NE(closed, other);
  EXPECT_EQ(registry_.OpenHandleCount(), 2u);
  EXPECT_EQ(registry_.CloseKey(closed), regcode::kSuccess);
  EXPECT_EQ(registry_.OpenHandleCount(), 1u);
  EXPECT_EQ(registry_.CloseKey(other), regcode::kSuccess);
  std::string text;
  RegKey key = 0;
  EXPECT_EQ(registry_.CloseKey(closed), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.OpenKey(closed, "Escapes", &key), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.QueryDefaultValue(closed, "Escapes", &text), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.QueryValue(closed, "", &text), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.EnumKey(closed, 0, &text), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.CloseKey(12345678), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.OpenKey(regroot::kClassesRoot, "CLSID", nullptr), regcode::kInvalidHandle);
  EXPECT_EQ(registry_.OpenHandleCount(), 0u);
  // The predefined roots close harmlessly and stay usable.
  EXPECT_EQ(registry_.CloseKey(regroot::kClassesRoot), regcode::kSuccess);
  EXPECT_EQ(Default(regroot::kClassesRoot, "BufferCmd.BufferCls", "Clsid"),
            "{11111111-2222-3333-4444-555555555555}");
}

TEST_F(PosixRegistryHandleTest, RefusesToLoadMoreFilesWhileKeysAreOpen) {
  const RegKey key = Open(regroot::kClassesRoot, "CLSID");
  EXPECT_THROW(registry_.LoadFile(Fixture("regedit4.reg")), VbError);
  EXPECT_EQ(registry_.CloseKey(key), regcode::kSuccess);
  EXPECT_NO_THROW(registry_.LoadFile(Fixture("regedit4.reg")));
}

class PosixRegistryLoadTest : public ::testing::Test {
 protected:
  static VbError LoadError(const std::vector<std::string>& files) {
    try {
      PosixRegistry registry(files);
    } catch (const VbError& e) {
      return e;
    }
    ADD_FAILURE() << "loaded without error";
    return VbError(0, "", "");
  }
};

TEST_F(PosixRegistryLoadTest, ReportsAMalformedFileByNameAndLine) {
  const VbError error = LoadError({Fixture("system.reg"), Fixture("malformed.reg")});
  EXPECT_EQ(error.Number(), vberr::kSystemFailure);
  EXPECT_THAT(error.Description(), HasSubstr(Fixture("malformed.reg") + ", line 5: "));
}

TEST_F(PosixRegistryLoadTest, KeepsNothingOfAMalformedFileAndEverythingLoadedBefore) {
  PosixRegistry registry({Fixture("system.reg")});
  EXPECT_THROW(registry.LoadFile(Fixture("malformed.reg")), VbError);
  RegKey key = 0;
  EXPECT_EQ(registry.OpenKey(regroot::kClassesRoot, "Broken.Cls", &key), regcode::kFileNotFound);
  EXPECT_EQ(registry.OpenKey(regroot::kClassesRoot, "AlsoBroken.Cls", &key), regcode::kFileNotFound);
  ASSERT_EQ(registry.OpenKey(regroot::kClassesRoot, "BufferCmd.BufferCls", &key), regcode::kSuccess);
  EXPECT_EQ(registry.CloseKey(key), regcode::kSuccess);
}

TEST_F(PosixRegistryLoadTest, ReportsAMissingFileOrADirectoryWithTheirNumbers) {
  const VbError error = LoadError({Fixture("no-such-file.reg")});
  EXPECT_EQ(error.Number(), vberr::kFileNotFound);
  EXPECT_THAT(error.Description(), HasSubstr("no-such-file.reg"));
  test::TempDir dir;
  dir.MakeDir("system.reg");
  EXPECT_EQ(LoadError({dir.HostPath("system.reg").string()}).Number(), vberr::kPathFileAccessError);
}

TEST_F(PosixRegistryLoadTest, StartsEmptyWithoutFiles) {
  PosixRegistry registry;
  RegKey key = 0;
  std::string name;
  EXPECT_EQ(registry.OpenKey(regroot::kClassesRoot, "CLSID", &key), regcode::kFileNotFound);
  EXPECT_EQ(registry.EnumKey(regroot::kClassesRoot, 0, &name), regcode::kNoMoreItems);
  EXPECT_EQ(registry.QueryDefaultValue(regroot::kClassesRoot, "", &name), regcode::kFileNotFound);
  EXPECT_EQ(registry.QueryValue(regroot::kLocalMachine, "x", &name), regcode::kFileNotFound);
}

}  // namespace
}  // namespace verbsmith

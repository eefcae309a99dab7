#include "platform/posix/load_posix_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using ::testing::ElementsAre;

class RegistryFilesTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(RegistryFilesTest, TakesTheHivesOfThePrefixThatExistThenTheNonEmptyExports) {
  const std::string prefix = dir_.HostPath("prefix").string();
  EXPECT_THAT(RegistryFiles(prefix, ""), ElementsAre());
  dir_.Write("prefix/user.reg", "WINE REGISTRY Version 2\n");
  dir_.MakeDir("prefix/system.reg");
  EXPECT_THAT(RegistryFiles(prefix, "::x.reg::y.reg:"), ElementsAre(prefix + "/user.reg", "x.reg", "y.reg"));
  dir_.Write("full/system.reg", "WINE REGISTRY Version 2\n");
  dir_.Write("full/user.reg", "WINE REGISTRY Version 2\n");
  const std::string full = dir_.HostPath("full").string();
  EXPECT_THAT(RegistryFiles(full, "a.reg"), ElementsAre(full + "/system.reg", full + "/user.reg", "a.reg"));
}

// The hives of a prefix made by Debian's Wine 8 (tests/fixtures/wine-prefix),
// as written and with the older root comment; and the same hives beside
// files that cannot be read.
class WinePrefixRegistryTest : public ::testing::Test {
 protected:
  static std::string Hive(const char* name) {
    std::ifstream in(test::SourceTreePath(std::string("tests/fixtures/wine-prefix/") + name),
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The hives under their own names in a fresh prefix, with the root
  // comment in the older form when asked.
  std::vector<std::string> Prefix(bool olderRoot) {
    std::vector<std::string> files;
    for (const char* name : {"system.reg", "user.reg"}) {
      std::string text = Hive(name);
      if (olderRoot) text.replace(text.find("REGISTRY\\\\"), 8, "");
      files.push_back(dir_.Write(name, text).string());
    }
    return files;
  }
  static std::string Default(Registry& registry, RegKey root, const std::string& path) {
    RegKey key = 0;
    if (registry.OpenKey(root, path, &key) != regcode::kSuccess) return "<none>";
    std::string value;
    const long read = registry.QueryDefaultValue(key, "", &value);
    registry.CloseKey(key);
    return read == regcode::kSuccess ? value : "<no value>";
  }
  // The classes a prefix holds: in-process, local-server-only, user-only.
  static void ExpectTheRegisteredClasses(Registry& registry) {
    const RegKey root = regroot::kClassesRoot;
    EXPECT_EQ(Default(registry, root, "Zoom.ZoomIn\\Clsid"), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(Default(registry, root, "CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32"),
              "C:\\Projects\\Zoom\\bin\\Zoom.dll");
    EXPECT_EQ(Default(registry, root, "CLSID\\{22222222-2222-3333-4444-555555555555}\\InprocServer32"),
              "<none>");
    EXPECT_EQ(Default(registry, root, "CLSID\\{22222222-2222-3333-4444-555555555555}\\LocalServer32"),
              "C:\\Projects\\Pan\\bin\\Pan.exe");
    EXPECT_EQ(Default(registry, root, "CLSID\\{33333333-2222-3333-4444-555555555555}"), "Measures|Measure");
    EXPECT_EQ(Default(registry, root, "Mine.Measure\\Clsid"), "{33333333-2222-3333-4444-555555555555}");
    EXPECT_EQ(Default(registry, regroot::kLocalMachine, "SOFTWARE\\Classes\\Mine.Measure"), "<none>");
  }
  test::TempDir dir_;
};

TEST_F(WinePrefixRegistryTest, ReadsTheHivesOfCurrentAndOlderWine) {
  for (const bool olderRoot : {false, true}) {
    SCOPED_TRACE(olderRoot ? "older root" : "current root");
    LoadedRegistry loaded = LoadRegistryFiles(Prefix(olderRoot));
    EXPECT_TRUE(loaded.problems.empty()) << loaded.problems.front().Text();
    ExpectTheRegisteredClasses(*loaded.registry);
  }
}

TEST_F(WinePrefixRegistryTest, LeavesOutEachUnreadableFileNamingItsLineAndReadsTheRest) {
  std::vector<std::string> files = Prefix(false);
  const std::string system = Hive("system.reg");
  // Cut inside the last value's quoted text, as a full disk would leave it.
  const std::string truncated = dir_.Write("cut.reg", system.substr(0, system.rfind('}'))).string();
  const std::string garbage = dir_.Write("garbage.reg",
                                         "\x7f"
                                         "ELF\x02\x01\n\x00\x00")
                                  .string();
  const std::string empty = dir_.Write("empty.reg", "").string();
  const std::string missing = dir_.HostPath("missing.reg").string();
  // Too large to be read at all, whatever it holds.
  const std::string huge = dir_.Write("huge.reg", "REGEDIT4\n").string();
  std::filesystem::resize_file(huge, kLargestRegistryFile + 1);
  for (const std::string& file : {truncated, garbage, empty, missing, huge}) files.push_back(file);
  LoadedRegistry loaded = LoadRegistryFiles(files);
  ASSERT_EQ(loaded.problems.size(), 4u);
  EXPECT_EQ(loaded.problems[0].file, truncated);
  EXPECT_EQ(loaded.problems[0].line, static_cast<size_t>(std::count(system.begin(), system.end(), '\n')));
  EXPECT_THAT(loaded.problems[1].Text(), ::testing::StartsWith(garbage + ": line 1: not a registry file"));
  EXPECT_EQ(loaded.problems[2].Text(), missing + ": the file does not exist");
  EXPECT_EQ(loaded.problems[3].Text(),
            huge + ": the file is larger than 32 MB, the most a registry file may hold");
  ExpectTheRegisteredClasses(*loaded.registry);
}

}  // namespace
}  // namespace verbsmith

#include "platform/posix/ini_profile_files.h"

#include <gtest/gtest.h>

#include <string>

#include "support/memory_file_system.h"

namespace verbsmith {
namespace {

class IniProfileFilesTest : public ::testing::Test {
 protected:
  IniProfileFilesTest() : profiles_(fs_) {}

  std::string File(std::string_view name = "cmd.ini") const { return dir_.WindowsPath(name); }
  std::string Get(const std::string& section, const std::string& key, size_t maxLength = 255,
                  std::string_view name = "cmd.ini") {
    return profiles_.GetString(section, key, "dflt", File(name), maxLength);
  }

  test::MemoryFileSystem fs_;
  test::MemoryDir dir_{fs_};
  IniProfileFiles profiles_;
};

TEST_F(IniProfileFilesTest, WritingMakesANewFileWithSectionAndKey) {
  ASSERT_TRUE(profiles_.WriteString("Command", "ProgID", "Proj.Cmd", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[Command]\r\nProgID=Proj.Cmd\r\n");
  EXPECT_EQ(Get("Command", "ProgID"), "Proj.Cmd");
}

TEST_F(IniProfileFilesTest, ReplacingAKeyKeepsEveryOtherLineWhereItWas) {
  const std::string before =
      "; made by hand\r\n[First]\r\na=1\r\nodd line without equals sign\r\n\r\n"
      "[Command]\r\n  ; note inside\r\nName = Old\r\nOther=keep\r\n\r\n[Last]\r\nName=untouched\r\n";
  dir_.Write("cmd.ini", before);
  ASSERT_TRUE(profiles_.WriteString("Command", "Name", "New", File()));
  std::string after = before;
  after.replace(after.find("Name = Old"), 10, "Name=New");
  EXPECT_EQ(dir_.Read("cmd.ini"), after);
}

TEST_F(IniProfileFilesTest, WritingPlacesTheKeyAsTheProfileFunctionsDo) {
  const struct {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* after;
  } cases[] = {
      // Section and key match without regard to case; the key keeps the file's spelling.
      {"case", "[COMMAND]\r\nProgId=Old\r\n", "command", "PROGID", "[COMMAND]\r\nProgId=v\r\n"},
      {"new key before blank lines", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n", "a", "z",
       "[A]\r\nx=1\r\nz=v\r\n\r\n\r\n[B]\r\ny=2\r\n"},
      {"new section at end", "[A]\r\nx=1", "B", "y", "[A]\r\nx=1\r\n\r\n[B]\r\ny=v\r\n"},
      {"empty last section", "[A]", "A", "k", "[A]\r\nk=v\r\n"},
      {"the file's own line ends", "[A]\nx=1\n", "A", "y", "[A]\nx=1\ny=v\n"},
      {"only the first of repeats", "[A]\r\nk=first\r\nk=second\r\n[A]\r\nk=third\r\n", "A", "k",
       "[A]\r\nk=v\r\nk=second\r\n[A]\r\nk=third\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.Write("cmd.ini", c.before);
    ASSERT_TRUE(profiles_.WriteString(c.section, c.key, "v", File()));
    EXPECT_EQ(dir_.Read("cmd.ini"), c.after);
  }
}

TEST_F(IniProfileFilesTest, WritingIntoAMissingDirectoryOrOverADirectoryFails) {
  EXPECT_FALSE(profiles_.WriteString("A", "k", "v", File("no/such/dir/cmd.ini")));
  EXPECT_FALSE(dir_.Exists("no"));
  dir_.MakeDir("cmd.ini");
  EXPECT_FALSE(profiles_.WriteString("A", "k", "v", File()));
  EXPECT_EQ(fs_.GetAttributes(File()), attr::kDirectory);
}

TEST_F(IniProfileFilesTest, ReadingGivesDefaultForMissingFileSectionOrKey) {
  EXPECT_EQ(Get("A", "k"), "dflt");
  dir_.Write("cmd.ini", "[A]\r\nk=v\r\n; j=commented\r\n");
  EXPECT_EQ(Get("B", "k"), "dflt");
  EXPECT_EQ(Get("A", "missing"), "dflt");
  EXPECT_EQ(Get("A", "; j"), "dflt");
  EXPECT_EQ(Get("A", "k"), "v");
  EXPECT_EQ(Get("A", "k", 255, "other\\missing.ini"), "dflt");
  // Repeats: the first wins, without regard to case.
  dir_.Write("cmd.ini", "[A]\r\nk=first\r\nK=second\r\n[a]\r\nk=third\r\n");
  EXPECT_EQ(Get("a", "K"), "first");
}

TEST_F(IniProfileFilesTest, ReadingDropsBlanksAndOnePairOfMatchingQuotes) {
  const std::pair<const char*, const char*> cases[] = {
      {"dq = \"quoted value\" ", "quoted value"},
      {"dq='single'", "single"},
      {"dq=\"not stripped'", "\"not stripped'"},
      {"dq=a \"b\" c", "a \"b\" c"},
      {"dq=", ""},
      {"dq=\"", "\""},
  };
  for (const auto& [line, value] : cases) {
    SCOPED_TRACE(line);
    dir_.Write("cmd.ini", "[A]\r\n" + std::string(line) + "\r\n");
    EXPECT_EQ(Get("A", "dq"), value);
  }
}

TEST_F(IniProfileFilesTest, ReadingCutsValueToOneLessThanMaxLength) {
  dir_.Write("cmd.ini", "[A]\r\nk=abcdef\r\n");
  EXPECT_EQ(Get("A", "k", 4), "abc");
  EXPECT_EQ(Get("A", "k", 7), "abcdef");
  EXPECT_EQ(Get("A", "k", 1), "");
  EXPECT_EQ(Get("A", "k", 0), "");
  // The default is cut the same way.
  EXPECT_EQ(Get("A", "none", 3), "df");
  // Characters, not bytes.
  ASSERT_TRUE(profiles_.WriteString("A", "k", "\xC3\xA9t\xC3\xA9", File()));
  EXPECT_EQ(Get("A", "k", 3), "\xC3\xA9t");
}

}  // namespace
}  // namespace verbsmith

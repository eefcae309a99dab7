#include "platform/posix/ini_profile_files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/path_mapper.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

class IniProfileFilesTest : public ::testing::Test {
 protected:
  IniProfileFilesTest() : fs_(PathMapper(dir_.HostPath())), profiles_(fs_) {}

  std::string File(std::string_view name = "cmd.ini") const { return dir_.WindowsPath(name); }
  std::string Get(const std::string& section, const std::string& key, size_t maxLength = 255,
                  std::string_view name = "cmd.ini") {
    return profiles_.GetString(section, key, "dflt", File(name), maxLength);
  }

  test::TempDir dir_;
  PosixFileSystem fs_;
  IniProfileFiles profiles_;
};

TEST_F(IniProfileFilesTest, WritingMakesANewFileWithSectionAndKey) {
  ASSERT_TRUE(profiles_.WriteString("Command", "ProgID", "Proj.Cmd", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[Command]\r\nProgID=Proj.Cmd\r\n");
  EXPECT_EQ(Get("Command", "ProgID"), "Proj.Cmd");
}

TEST_F(IniProfileFilesTest, ReplacingAKeyKeepsEveryOtherLineWhereItWas) {
  dir_.Write("cmd.ini",
             "; made by hand\r\n"
             "[First]\r\n"
             "a=1\r\n"
             "odd line without equals sign\r\n"
             "\r\n"
             "[Command]\r\n"
             "  ; note inside\r\n"
             "Name = Old\r\n"
             "Other=keep\r\n"
             "\r\n"
             "[Last]\r\n"
             "Name=untouched\r\n");
  ASSERT_TRUE(profiles_.WriteString("Command", "Name", "New", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"),
            "; made by hand\r\n"
            "[First]\r\n"
            "a=1\r\n"
            "odd line without equals sign\r\n"
            "\r\n"
            "[Command]\r\n"
            "  ; note inside\r\n"
            "Name=New\r\n"
            "Other=keep\r\n"
            "\r\n"
            "[Last]\r\n"
            "Name=untouched\r\n");
}

TEST_F(IniProfileFilesTest, MatchesSectionAndKeyWithoutRegardToCase) {
  dir_.Write("cmd.ini", "[COMMAND]\r\nProgId=Old.One\r\n");
  ASSERT_TRUE(profiles_.WriteString("command", "PROGID", "New.One", File()));
  // The key keeps the spelling the file gave it.
  EXPECT_EQ(dir_.Read("cmd.ini"), "[COMMAND]\r\nProgId=New.One\r\n");
  EXPECT_EQ(Get("Command", "progid"), "New.One");
}

TEST_F(IniProfileFilesTest, NewKeyGoesAtEndOfItsSectionBeforeBlankLines) {
  dir_.Write("cmd.ini", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n");
  ASSERT_TRUE(profiles_.WriteString("a", "z", "3", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[A]\r\nx=1\r\nz=3\r\n\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniProfileFilesTest, NewSectionGoesAtEndOfFile) {
  dir_.Write("cmd.ini", "[A]\r\nx=1");
  ASSERT_TRUE(profiles_.WriteString("B", "y", "2", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniProfileFilesTest, KeyInEmptyLastSectionWithoutLineEnd) {
  dir_.Write("cmd.ini", "[A]");
  ASSERT_TRUE(profiles_.WriteString("A", "k", "v", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[A]\r\nk=v\r\n");
}

TEST_F(IniProfileFilesTest, KeepsTheFilesOwnLineEnds) {
  dir_.Write("cmd.ini", "[A]\nx=1\n");
  ASSERT_TRUE(profiles_.WriteString("A", "y", "2", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[A]\nx=1\ny=2\n");
}

TEST_F(IniProfileFilesTest, OnlyTheFirstOfRepeatedSectionsAndKeysCounts) {
  dir_.Write("cmd.ini", "[A]\r\nk=first\r\nk=second\r\n[A]\r\nk=third\r\n");
  EXPECT_EQ(Get("A", "k"), "first");
  ASSERT_TRUE(profiles_.WriteString("A", "k", "new", File()));
  EXPECT_EQ(dir_.Read("cmd.ini"), "[A]\r\nk=new\r\nk=second\r\n[A]\r\nk=third\r\n");
}

TEST_F(IniProfileFilesTest, WritingIntoAMissingDirectoryFails) {
  EXPECT_FALSE(profiles_.WriteString("A", "k", "v", File("no/such/dir/cmd.ini")));
  EXPECT_FALSE(dir_.Exists("no"));
}

TEST_F(IniProfileFilesTest, WritingWhereADirectoryStandsFailsAndChangesNothing) {
  dir_.MakeDir("cmd.ini");
  EXPECT_FALSE(profiles_.WriteString("A", "k", "v", File()));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.HostPath("cmd.ini")));
}

TEST_F(IniProfileFilesTest, ReadingGivesDefaultForMissingFileSectionOrKey) {
  EXPECT_EQ(Get("A", "k"), "dflt");
  dir_.Write("cmd.ini", "[A]\r\nk=v\r\n; j=commented\r\n");
  EXPECT_EQ(Get("B", "k"), "dflt");
  EXPECT_EQ(Get("A", "missing"), "dflt");
  EXPECT_EQ(Get("A", "; j"), "dflt");
  EXPECT_EQ(Get("A", "k"), "v");
  EXPECT_EQ(Get("A", "k", 255, "other\\missing.ini"), "dflt");
}

TEST_F(IniProfileFilesTest, ReadingDropsBlanksAndOnePairOfMatchingQuotes) {
  dir_.Write("cmd.ini",
             "[A]\r\n"
             "dq = \"quoted value\" \r\n"
             "sq='single'\r\n"
             "mixed=\"not stripped'\r\n"
             "inner=a \"b\" c\r\n"
             "empty=\r\n"
             "lone=\"\r\n");
  EXPECT_EQ(Get("A", "dq"), "quoted value");
  EXPECT_EQ(Get("A", "sq"), "single");
  EXPECT_EQ(Get("A", "mixed"), "\"not stripped'");
  EXPECT_EQ(Get("A", "inner"), "a \"b\" c");
  EXPECT_EQ(Get("A", "empty"), "");
  EXPECT_EQ(Get("A", "lone"), "\"");
}

TEST_F(IniProfileFilesTest, ReadingCutsValueToOneLessThanMaxLength) {
  dir_.Write("cmd.ini", "[A]\r\nk=abcdef\r\n");
  EXPECT_EQ(Get("A", "k", 4), "abc");
  EXPECT_EQ(Get("A", "k", 7), "abcdef");
  EXPECT_EQ(Get("A", "k", 1), "");
  EXPECT_EQ(Get("A", "k", 0), "");
  // The default is cut the same way.
  EXPECT_EQ(Get("A", "none", 3), "df");
}

TEST_F(IniProfileFilesTest, CuttingCountsCharactersNotBytes) {
  ASSERT_TRUE(profiles_.WriteString("A", "k", "\xC3\xA9t\xC3\xA9", File()));  // "été"
  EXPECT_EQ(Get("A", "k", 3), "\xC3\xA9t");
}

}  // namespace
}  // namespace verbsmith

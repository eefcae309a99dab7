#pragma once
// What the profile-string functions do, held against every adapter of the
// profile files port: the INI emulation that runs on every host and, under
// Windows, the system's own functions, which decide. A Files type holds a
// ProfileFiles profiles and a dir with WindowsPath, Write, Read, Exists and
// MakeDir, as test::TempDir has them.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/profile_files.h"

namespace verbsmith::test {

template <typename Files>
class ProfileFilesContractTest : public ::testing::Test {
 protected:
  std::string File(std::string_view name = "cmd.ini") const { return dir_.WindowsPath(name); }
  std::string Get(const std::string& section, const std::string& key, size_t maxLength = 255,
                  std::string_view name = "cmd.ini") {
    return profiles_.GetString(section, key, "dflt", File(name), maxLength);
  }

  Files files_;
  decltype(files_.dir)& dir_ = files_.dir;
  ProfileFiles& profiles_ = files_.profiles;
};

TYPED_TEST_SUITE_P(ProfileFilesContractTest);

TYPED_TEST_P(ProfileFilesContractTest, WritingMakesANewFileWithSectionAndKey) {
  ASSERT_TRUE(this->profiles_.WriteString("Command", "ProgID", "Proj.Cmd", this->File()));
  EXPECT_EQ(this->dir_.Read("cmd.ini"), "[Command]\r\nProgID=Proj.Cmd\r\n");
  EXPECT_EQ(this->Get("Command", "ProgID"), "Proj.Cmd");
}

TYPED_TEST_P(ProfileFilesContractTest, ReplacingAKeyKeepsEveryOtherLineWhereItWas) {
  const std::string before =
      "; made by hand\r\n[First]\r\na=1\r\nodd line without equals sign\r\n\r\n"
      "[Command]\r\n  ; note inside\r\nName = Old\r\nOther=keep\r\n\r\n[Last]\r\nName=untouched\r\n";
  this->dir_.Write("cmd.ini", before);
  ASSERT_TRUE(this->profiles_.WriteString("Command", "Name", "New", this->File()));
  std::string after = before;
  after.replace(after.find("Name = Old"), 10, "Name=New");
  EXPECT_EQ(this->dir_.Read("cmd.ini"), after);
}

TYPED_TEST_P(ProfileFilesContractTest, WritingPlacesTheKeyAsTheProfileFunctionsDo) {
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
    this->dir_.Write("cmd.ini", c.before);
    ASSERT_TRUE(this->profiles_.WriteString(c.section, c.key, "v", this->File()));
    EXPECT_EQ(this->dir_.Read("cmd.ini"), c.after);
  }
}

TYPED_TEST_P(ProfileFilesContractTest, WritingIntoAMissingDirectoryOrOverADirectoryFails) {
  EXPECT_FALSE(this->profiles_.WriteString("A", "k", "v", this->File("no/such/dir/cmd.ini")));
  EXPECT_FALSE(this->dir_.Exists("no"));
  this->dir_.MakeDir("cmd.ini");
  this->dir_.Write("cmd.ini/inner", "");
  EXPECT_FALSE(this->profiles_.WriteString("A", "k", "v", this->File()));
  EXPECT_TRUE(this->dir_.Exists("cmd.ini/inner"));
}

TYPED_TEST_P(ProfileFilesContractTest, ReadingGivesDefaultForMissingFileSectionOrKey) {
  EXPECT_EQ(this->Get("A", "k"), "dflt");
  this->dir_.Write("cmd.ini", "[A]\r\nk=v\r\n; j=commented\r\n");
  EXPECT_EQ(this->Get("B", "k"), "dflt");
  EXPECT_EQ(this->Get("A", "missing"), "dflt");
  EXPECT_EQ(this->Get("A", "; j"), "dflt");
  EXPECT_EQ(this->Get("A", "k"), "v");
  EXPECT_EQ(this->Get("A", "k", 255, "other\\missing.ini"), "dflt");
  // Repeats: the first wins, without regard to case.
  this->dir_.Write("cmd.ini", "[A]\r\nk=first\r\nK=second\r\n[a]\r\nk=third\r\n");
  EXPECT_EQ(this->Get("a", "K"), "first");
}

TYPED_TEST_P(ProfileFilesContractTest, ReadingDropsBlanksAndOnePairOfMatchingQuotes) {
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
    this->dir_.Write("cmd.ini", "[A]\r\n" + std::string(line) + "\r\n");
    EXPECT_EQ(this->Get("A", "dq"), value);
  }
}

TYPED_TEST_P(ProfileFilesContractTest, ReadingCutsValueToOneLessThanMaxLength) {
  this->dir_.Write("cmd.ini", "[A]\r\nk=abcdef\r\n");
  EXPECT_EQ(this->Get("A", "k", 4), "abc");
  EXPECT_EQ(this->Get("A", "k", 7), "abcdef");
  EXPECT_EQ(this->Get("A", "k", 1), "");
  EXPECT_EQ(this->Get("A", "k", 0), "");
  // The default is cut the same way.
  EXPECT_EQ(this->Get("A", "none", 3), "df");
  // Characters, not bytes.
  ASSERT_TRUE(this->profiles_.WriteString("A", "k", "\xC3\xA9t\xC3\xA9", this->File()));
  EXPECT_EQ(this->Get("A", "k", 3), "\xC3\xA9t");
}

REGISTER_TYPED_TEST_SUITE_P(ProfileFilesContractTest, WritingMakesANewFileWithSectionAndKey,
                            ReplacingAKeyKeepsEveryOtherLineWhereItWas,
                            WritingPlacesTheKeyAsTheProfileFunctionsDo,
                            WritingIntoAMissingDirectoryOrOverADirectoryFails,
                            ReadingGivesDefaultForMissingFileSectionOrKey,
                            ReadingDropsBlanksAndOnePairOfMatchingQuotes,
                            ReadingCutsValueToOneLessThanMaxLength);

}  // namespace verbsmith::test

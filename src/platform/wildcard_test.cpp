#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(WildcardTest, StarDotStarMatchesEveryNameWithOrWithoutADot) {
  EXPECT_TRUE(MatchesWildcard("*.*", "Project.vbp"));
  EXPECT_TRUE(MatchesWildcard("*.*", "README"));
  EXPECT_TRUE(MatchesWildcard("*.*", ".hidden"));
  EXPECT_TRUE(MatchesWildcard("*", "a.b.c"));
}

TEST(WildcardTest, StarMatchesAnyRunIncludingDots) {
  EXPECT_TRUE(MatchesWildcard("*.vbp", "Cmd.old.vbp"));
  EXPECT_TRUE(MatchesWildcard("*.vbp", ".vbp"));
  EXPECT_FALSE(MatchesWildcard("*.vbp", "Cmd.vbpx"));
  EXPECT_TRUE(MatchesWildcard("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(MatchesWildcard("a*b*c", "aXXbYYbZ"));
}

TEST(WildcardTest, QuestionMarkMatchesExactlyOneCharacter) {
  EXPECT_TRUE(MatchesWildcard("logo?.bmp", "logo1.bmp"));
  EXPECT_FALSE(MatchesWildcard("logo?.bmp", "logo.bmp"));
  EXPECT_FALSE(MatchesWildcard("logo?.bmp", "logo12.bmp"));
  // One character, not one byte.
  EXPECT_TRUE(MatchesWildcard("caf?", "caf\u00E9"));
}

TEST(WildcardTest, CaseIsIgnored) {
  EXPECT_TRUE(MatchesWildcard("*.BMP", "logo.bmp"));
  EXPECT_TRUE(MatchesWildcard("LOGO.bmp", "Logo.BMP"));
  EXPECT_TRUE(MatchesWildcard("\u00C9T\u00C9.txt", "\u00E9t\u00E9.TXT"));
}

TEST(WildcardTest, PlainNamesMatchOnlyThemselves) {
  EXPECT_TRUE(MatchesWildcard("Cmd.cls", "cmd.cls"));
  EXPECT_FALSE(MatchesWildcard("Cmd.cls", "Cmd.cls.bak"));
  EXPECT_FALSE(MatchesWildcard("Cmd.cls", "xCmd.cls"));
}

TEST(WildcardTest, TrailingDotStarAlsoMatchesTheBareName) {
  EXPECT_TRUE(MatchesWildcard("logo.*", "logo"));
  EXPECT_TRUE(MatchesWildcard("logo.*", "logo.bmp"));
  EXPECT_FALSE(MatchesWildcard("logo.*", "logos"));
}

TEST(WildcardTest, TrailingDotMatchesOnlyNamesWithoutExtension) {
  EXPECT_TRUE(MatchesWildcard("*.", "Makefile"));
  EXPECT_FALSE(MatchesWildcard("*.", "logo.bmp"));
}

TEST(WildcardTest, MalformedUtf8NamesDoNotMatchByAccident) {
  EXPECT_TRUE(MatchesWildcard("*", "\xFF\xFE"));
  EXPECT_FALSE(MatchesWildcard("\xFF", "\xFE"));
  EXPECT_TRUE(MatchesWildcard("?", "\xFF"));
}

TEST(WildcardTest, SameNameIgnoringCaseComparesWholeNames) {
  EXPECT_TRUE(SameNameIgnoringCase("LOGO.BMP", "logo.bmp"));
  EXPECT_TRUE(SameNameIgnoringCase("\u0160koda", "\u0161KODA"));
  EXPECT_FALSE(SameNameIgnoringCase("logo.bmp", "logo.bm"));
  EXPECT_FALSE(SameNameIgnoringCase("a*", "ab"));
}

TEST(WildcardTest, HasWildcardSeesStarsAndQuestionMarks) {
  EXPECT_TRUE(HasWildcard("*.vbp"));
  EXPECT_TRUE(HasWildcard("a?c"));
  EXPECT_FALSE(HasWildcard("Cmd.cls"));
}

}  // namespace
}  // namespace verbsmith

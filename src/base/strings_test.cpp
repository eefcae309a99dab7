#include "base/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace verbsmith {
namespace {

TEST(StringsTest, TrimTakesOnlyTheGivenBlanksFromEitherEnd) {
  EXPECT_EQ(Trim(" \t a b \t "), "a b");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim("\tEnd ", " "), "\tEnd");
  EXPECT_EQ(TrimLeft("  x  "), "x  ");
  EXPECT_EQ(TrimRight("x \r", " \t\r"), "x");
}

TEST(StringsTest, CaseBlindComparisonFoldsAsciiLettersOnly) {
  EXPECT_TRUE(EqualsIgnoringCase("cmdIntroNext", "CMDINTRONEXT"));
  EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA9", "\xC3\x89"));  // é and É
  EXPECT_EQ(AsciiUpper("frm\xC3\xA9t_1"), "FRM\xC3\xA9T_1");
  // Letters sort as lower case: an underscore comes before them.
  std::vector<std::string> items{"b", "_", "A", "a"};
  std::stable_sort(items.begin(), items.end(), LessIgnoringCase);
  EXPECT_EQ(items, (std::vector<std::string>{"_", "A", "a", "b"}));
}

}  // namespace
}  // namespace verbsmith

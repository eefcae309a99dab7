#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(WildcardTest, MatchesNamesAsWindowsListingsDo) {
  const WildcardCase cases[] = {
      // "*.*" takes names with or without a dot; '*' spans dots.
      {"*.*", "Project.vbp", true},
      {"*.*", "README", true},
      {"*.*", ".hidden", true},
      {"*", "a.b.c", true},
      {"*.vbp", "Cmd.old.vbp", true},
      {"*.vbp", ".vbp", true},
      {"*.vbp", "Cmd.vbpx", false},
      {"a*b*c", "aXXbYYbZc", true},
      {"a*b*c", "aXXbYYbZ", false},
      // '?' is exactly one character, not one byte.
      {"logo?.bmp", "logo1.bmp", true},
      {"logo?.bmp", "logo.bmp", false},
      {"logo?.bmp", "logo12.bmp", false},
      {"caf?", "caf\u00E9", true},
      // Case is ignored, beyond ASCII too.
      {"*.BMP", "logo.bmp", true},
      {"\u00C9T\u00C9.txt", "\u00E9t\u00E9.TXT", true},
      {"Cmd.cls", "Cmd.cls.bak", false},
      {"Cmd.cls", "xCmd.cls", false},
      // A trailing ".*" also takes the bare name; a trailing '.' only names without extension.
      {"logo.*", "logo", true},
      {"logo.*", "logo.bmp", true},
      {"logo.*", "logos", false},
      {"*.", "Makefile", true},
      {"*.", "logo.bmp", false},
      // Malformed UTF-8 bytes stay distinct characters.
      {"*", "\xFF\xFE", true},
      {"\xFF", "\xFE", false},
      {"?", "\xFF", true},
      {"\xC1\x81", "a", false},  // an overlong 'A' is not a letter
  };
  for (const WildcardCase& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " ~ " + c.name);
    EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches);
  }
}

TEST(WildcardTest, SameNameIgnoringCaseComparesWholeNamesLiterally) {
  EXPECT_TRUE(SameNameIgnoringCase("LOGO.BMP", "logo.bmp"));
  EXPECT_TRUE(SameNameIgnoringCase("\u0160koda", "\u0161KODA"));
  EXPECT_FALSE(SameNameIgnoringCase("logo.bmp", "logo.bm"));
  EXPECT_FALSE(SameNameIgnoringCase("a*", "ab"));
  EXPECT_TRUE(HasWildcard("a?c"));
  EXPECT_FALSE(HasWildcard("Cmd.cls"));
}

}  // namespace
}  // namespace verbsmith

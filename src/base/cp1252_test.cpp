#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace verbsmith {
namespace {

TEST(Cp1252Test, EveryByteValueSurvivesARoundTrip) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
}

TEST(Cp1252Test, DecodesTheCodePageSpecificCharactersAndPassesAsciiThrough) {
  EXPECT_EQ(Cp1252ToUtf8("\x80\x93quoted\x94\x9F caf\xE9"), "\u20AC\u201Cquoted\u201D\u0178 caf\u00E9");
  // The five undefined bytes become the control characters of the same value.
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  const std::string text = "Attribute VB_Name = \"Cmd\"\r\nEnd\n";
  EXPECT_EQ(Cp1252ToUtf8(text), text);
  EXPECT_EQ(Utf8ToCp1252(text), text);
}

TEST(Cp1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\U0001F600"), "?");
  // C1 controls other than the five undefined bytes have no place either.
  EXPECT_EQ(Utf8ToCp1252("\u0080\u0085"), "??");
}

TEST(Cp1252Test, MalformedUtf8BecomesQuestionMarksWithoutLosingTheRest) {
  EXPECT_EQ(Utf8ToCp1252("a\xFF"
                         "b"),
            "a?b");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");               // cut short at the end
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");             // bad continuation
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");            // overlong slash
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");       // surrogate
  EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
}

}  // namespace
}  // namespace verbsmith

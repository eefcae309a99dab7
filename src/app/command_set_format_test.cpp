#include "app/command_set_format.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <string>

namespace verbsmith::app {
namespace {

ListedCommand Sample() {
  CommandEntry e;
  e.progId = "Proj.Measure";
  e.commandType = 3;
  e.enableMask = -1;
  e.description = "Misst \"Strecken\"";
  e.toolTip = "Measure";
  e.largeColorBitmap = "C:\\bmp\\lc.bmp";
  return {41002, 1, e};
}

TEST(CommandSetFormatTest, ListsOneLinePerCommandWithIdentifier) {
  ListedCommand bare = Sample();
  bare.id = 41001;
  bare.entry.progId = "Bare";
  bare.entry.description = "";
  EXPECT_EQ(FormatCommandListText({bare, Sample()}),
            "41001  Bare\n41002  Proj.Measure  Misst \"Strecken\"\n");
  EXPECT_EQ(FormatCommandListText({}), "");
}

TEST(CommandSetFormatTest, ShowsEveryFieldByName) {
  const std::string text = FormatCommandText(Sample());
  EXPECT_EQ(text.find("Identifier:       41002\n"), 0u);
  for (const auto& f : kCommandFields) {
    EXPECT_NE(text.find("\n" + std::string(f.name) + ":"), std::string::npos) << f.name;
  }
  EXPECT_NE(text.find("EnablingMask:     -1\n"), std::string::npos);
  EXPECT_NE(text.find("LargeColorBitmap: C:\\bmp\\lc.bmp\n"), std::string::npos);
}

TEST(CommandSetFormatTest, WritesEntriesAsJsonWithEscapedStrings) {
  const std::string json = FormatCommandJson(Sample());
  EXPECT_EQ(json.find("{\"id\": 41002, \"index\": 1, \"progId\": \"Proj.Measure\", \"commandType\": 3, "
                      "\"enableMask\": -1,"),
            0u);
  EXPECT_NE(json.find("\"description\": \"Misst \\\"Strecken\\\"\""), std::string::npos);
  EXPECT_NE(json.find("\"largeColorBitmap\": \"C:\\\\bmp\\\\lc.bmp\"}"), std::string::npos);
  EXPECT_NE(json.find("\"field8\": \"0\""), std::string::npos);
}

TEST(CommandSetFormatTest, WrapsTheListInCompanyAndApplication) {
  EXPECT_EQ(FormatCommandListJson("Valdren", "Carthex", {}),
            "{\"company\": \"Valdren\", \"application\": \"Carthex\", \"commands\": []}\n");
  const std::string two = FormatCommandListJson("V", "C", {Sample(), Sample()});
  EXPECT_NE(two.find("[\n  {\"id\": 41002"), std::string::npos);
  EXPECT_NE(two.find("},\n  {\"id\": 41002"), std::string::npos);
  EXPECT_EQ(two.substr(two.size() - 4), "\n]}\n");
}

TEST(JsonStringTest, EscapesControlCharactersAndReplacesBrokenUtf8) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("\r\n\t"), "\"\\r\\n\\t\"");
  EXPECT_EQ(JsonString(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
  EXPECT_EQ(JsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
  // Valid UTF-8 is kept and broken bytes replaced, so the output parses.
  EXPECT_EQ(JsonString("Größe \xE2\x82\xAC \xF0\x9F\x97\xBA"), "\"Größe \xE2\x82\xAC \xF0\x9F\x97\xBA\"");
  // A Windows-1252 e-acute, a lone continuation byte, a truncated sequence,
  // an overlong encoding and an encoded surrogate.
  for (const char* broken : {"caf\xE9", "\x80x", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80"}) {
    const std::string parsed = nlohmann::json::parse(JsonString(broken)).get<std::string>();
    EXPECT_NE(parsed.find("\xEF\xBF\xBD"), std::string::npos) << broken;
  }
}

// Scripts have always read strings as the JSON library writes them; the
// writer must match it byte for byte on any input, broken UTF-8 included.
TEST(JsonStringTest, MatchesTheJsonLibraryOnArbitraryBytes) {
  const std::string bytes = "aZ\"\\\x7F\x80\xBF\xC0\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF\x9F\xA0\x8F\x90";
  std::mt19937 random(25);
  for (int n = 0; n < 20000; ++n) {
    std::string value(random() % 8, '\0');
    for (char& c : value)
      c = random() % 4 == 0 ? static_cast<char>(random() % 0x20) : bytes[random() % bytes.size()];
    const std::string expected =
        nlohmann::json(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    ASSERT_EQ(JsonString(value), expected) << testing::PrintToString(value);
  }
}

TEST(ParseInt32Test, AcceptsWholeSignedNumbersInRangeAndNothingElse) {
  EXPECT_EQ(ParseInt32("0"), 0);
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt32("+2147483647"), INT32_MAX);
  for (const char* bad : {"", "+", "-", "+-5", "2147483648", "-2147483649", "12x", " 1", "0x10", "1.5"}) {
    EXPECT_EQ(ParseInt32(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace verbsmith::app

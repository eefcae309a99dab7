#include "platform/posix/registry_file_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace verbsmith {
namespace {

using ::testing::HasSubstr;
using namespace std::string_literals;

constexpr std::string_view kWineMachine = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
constexpr std::string_view kWineUser =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-1\n\n";

// The key at a backslash-separated path below a hive root, or null.
const RegistryNode* KeyAt(const RegistryNode& root, std::string_view path) {
  const RegistryNode* node = &root;
  while (node != nullptr && !path.empty()) {
    const size_t sep = path.find('\\');
    node = node->FindChild(FoldRegistryName(path.substr(0, sep)));
    path = sep == std::string_view::npos ? std::string_view() : path.substr(sep + 1);
  }
  return node;
}

// The value's data, or "<missing>".
std::string DataAt(const RegistryNode& root, std::string_view path, std::string_view name) {
  const RegistryNode* key = KeyAt(root, path);
  if (key == nullptr) return "<missing key>";
  const RegistryValue* value = key->FindValue(FoldRegistryName(name));
  return value == nullptr ? "<missing>" : value->data;
}

uint32_t TypeAt(const RegistryNode& root, std::string_view path, std::string_view name) {
  const RegistryValue* value = KeyAt(root, path)->FindValue(FoldRegistryName(name));
  return value == nullptr ? 0xFFFFFFFFu : value->type;
}

std::string Utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// The error a text raises; fails the test when it parses.
RegistryParseError ErrorOf(std::string_view text, std::string_view name = "broken.reg") {
  try {
    ParseRegistryFile(text, name);
  } catch (const RegistryParseError& e) {
    return e;
  }
  ADD_FAILURE() << "parsed without error";
  return RegistryParseError(std::string(name), 0, "none");
}

class WineHiveParserTest : public ::testing::Test {
 protected:
  ParsedRegistryFile Parse(std::string_view body, std::string_view header = kWineMachine) {
    return ParseRegistryFile(std::string(header) + std::string(body), "system.reg");
  }
};

TEST_F(WineHiveParserTest, PutsKeysUnderTheHiveItsHeaderOrElseItsFileNameNames) {
  const auto machine = Parse("[Software\\\\Classes\\\\A.B] 1589123456\n#time=1d6\n@=\"machine\"\n");
  EXPECT_EQ(DataAt(machine.machine, "Software\\Classes\\A.B", ""), "machine");
  EXPECT_EQ(machine.user.ChildCount(), 0u);
  const auto user = Parse("[Software\\\\X]\n\"v\"=\"user\"\n", kWineUser);
  EXPECT_EQ(DataAt(user.user, "Software\\X", "v"), "user");
  EXPECT_EQ(user.machine.ChildCount(), 0u);

  const std::string text = "WINE REGISTRY Version 2\n[Software]\n\"v\"=\"1\"\n";
  EXPECT_EQ(ParseRegistryFile(text, "/home/me/.wine/user.reg").user.ChildCount(), 1u);
  EXPECT_EQ(ParseRegistryFile(text, "/home/me/.wine/system.reg").machine.ChildCount(), 1u);
}

TEST_F(WineHiveParserTest, DecodesEveryStringEscape) {
  const struct {
    const char* quoted;
    std::string data;
  } cases[] = {
      {"say \\\"hi\\\"", "say \"hi\""},
      {"a\\\\b", "a\\b"},
      {"\\a\\b\\e\\f\\n\\r\\t\\v", "\a\b\x1b\f\n\r\t\v"},
      {"x\\0y\\101\\0101", std::string("x\0yA\b1", 6)},
      {"caf\\xe9!", "caf\xC3\xA9!"},
      {"\\x00e9a", "\u00E9a"},
      {"\\xd834\\xdd1e", "\xF0\x9D\x84\x9E"},
      {"[\\xd834]", "[\xEF\xBF\xBD]"},  // lone surrogates
      {"\\xdd1e", "\xEF\xBF\xBD"},
      {"\\q\\]", "q]"},
      {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.quoted);
    EXPECT_EQ(DataAt(Parse("[E]\n@=\"" + std::string(c.quoted) + "\"\n").machine, "E", ""), c.data);
  }
}

TEST_F(WineHiveParserTest, UnescapesKeyNamesAndSplitsThemAtSeparators) {
  const auto parsed = Parse("[A\\\\Br\\]ack\\\\caf\\xe9] 1589123456\n@=\"x\"\n");
  const RegistryNode* key = KeyAt(parsed.machine, "a\\BR]ACK\\CAF\xC3\x89");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->Name(), "caf\xC3\xA9");
}

TEST_F(WineHiveParserTest, ReadsTypedValues) {
  const auto parsed = Parse(
      "[T]\n"
      "\"Dword\"=dword:0000002a\n"
      "\"Expand\"=str(2):\"%Root%\\\\x\"\n"
      "\"Multi\"=str(7):\"one\\0two\\0\"\n"
      "\"Blob\"=hex:01,02,ff\n"
      "\"Empty\"=hex:\n"
      "\"Wrapped\"=hex(2):25,00,50,00,\\\n"
      "  25,00,00,00\n"
      "\"SzHex\"=hex(1):68,00,69,00,00,00,6a,00\n"
      "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\n");
  const struct {
    const char* name;
    std::string data;
    uint32_t type;
  } cases[] = {
      {"Dword", std::string("\x2a\0\0\0", 4), regtype::kDword},
      {"Expand", "%Root%\\x", regtype::kExpandString},
      {"Multi", std::string("one\0two\0", 8), regtype::kMultiString},
      {"Blob", "\x01\x02\xff", regtype::kBinary},
      {"Empty", "", regtype::kBinary},
      {"Wrapped", "%P%", regtype::kExpandString},
      {"SzHex", "hi", regtype::kString},
      {"Qword", std::string("\x01\0\0\0\0\0\0\0", 8), regtype::kQword},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DataAt(parsed.machine, "T", c.name), c.data);
    EXPECT_EQ(TypeAt(parsed.machine, "T", c.name), c.type);
  }
}

TEST_F(WineHiveParserTest, LetsALaterValueOrSectionWinAndAcceptsCrLfWithoutAFinalLineEnd) {
  const auto parsed = Parse("[K]\r\n\"v\"=\"1\"\r\n[k]\r\n\"V\"=\"2\"");
  EXPECT_EQ(parsed.machine.ChildCount(), 1u);
  EXPECT_EQ(DataAt(parsed.machine, "K", "v"), "2");
  EXPECT_EQ(KeyAt(parsed.machine, "K")->Name(), "K");
}

class RegeditExportParserTest : public ::testing::Test {};

TEST_F(RegeditExportParserTest, MapsTheRootsToTheTwoHives) {
  const auto parsed = ParseRegistryFile(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CLASSES_ROOT\\A.B]\r\n@=\"classes\"\r\n"
      "[HKCR\\C.D]\r\n@=\"short classes\"\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\M]\r\n@=\"machine\"\r\n"
      "[hklm\\Software\\N]\r\n@=\"short machine\"\r\n"
      "[HKEY_CURRENT_USER\\Software\\U]\r\n@=\"user\"\r\n"
      "[HKCU\\Software\\V]\r\n@=\"short user\"\r\n"
      "[HKEY_USERS\\.DEFAULT\\Software\\W]\r\n@=\"ignored\"\r\n",
      "x.reg");
  EXPECT_EQ(DataAt(parsed.machine, "Software\\Classes\\A.B", ""), "classes");
  EXPECT_EQ(DataAt(parsed.machine, "Software\\Classes\\C.D", ""), "short classes");
  EXPECT_EQ(DataAt(parsed.machine, "Software\\M", ""), "machine");
  EXPECT_EQ(DataAt(parsed.machine, "Software\\N", ""), "short machine");
  EXPECT_EQ(DataAt(parsed.user, "Software\\U", ""), "user");
  EXPECT_EQ(DataAt(parsed.user, "Software\\V", ""), "short user");
  EXPECT_EQ(KeyAt(parsed.user, "Software\\W"), nullptr);
  EXPECT_EQ(KeyAt(parsed.machine, ".DEFAULT"), nullptr);
}

TEST_F(RegeditExportParserTest, KeepsABackslashBeforeAnUnknownLetter) {
  const auto parsed = ParseRegistryFile(
      "REGEDIT4\n[HKLM\\K]\n\"a\"=\"C:\\\\Program Files\\\\x\"\n\"b\"=\"C:\\Windows\"\n"
      "\"c\"=\"q\\\"uote\\n\\0end\"\n",
      "x.reg");
  EXPECT_EQ(DataAt(parsed.machine, "K", "a"), "C:\\Program Files\\x");
  EXPECT_EQ(DataAt(parsed.machine, "K", "b"), "C:\\Windows");
  EXPECT_EQ(DataAt(parsed.machine, "K", "c"), std::string("q\"uote\n\0end", 11));
}

TEST_F(RegeditExportParserTest, ReadsRegedit4AsWindows1252AndVersion5AsUtf16OrUtf8) {
  const auto ansi = ParseRegistryFile(
      "REGEDIT4\r\n[HKLM\\Caf\xE9]\r\n@=\"\x80 5\"\r\n\"Path\"=hex(2):43,3a,e9,\\\r\n  00\r\n", "x.reg");
  EXPECT_EQ(DataAt(ansi.machine, "Caf\xC3\xA9", ""), "\xE2\x82\xAC 5");
  EXPECT_EQ(DataAt(ansi.machine, "CAF\xC3\x89", "Path"), "C:\xC3\xA9");

  const auto wide = ParseRegistryFile(
      Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Caf\u00e9]\r\n"
              u"@=\"\u5730\u56fe \U0001D11E\"\r\n\"Expand\"=hex(2):25,00,3c,5d,00,00\r\n"),
      "x.reg");
  EXPECT_EQ(DataAt(wide.user, "Software\\caf\xC3\xA9", ""), "\xE5\x9C\xB0\xE5\x9B\xBE \xF0\x9D\x84\x9E");
  EXPECT_EQ(DataAt(wide.user, "Software\\caf\xC3\xA9", "Expand"), "%\xE5\xB4\xBC");

  const std::string body = "Windows Registry Editor Version 5.00\n[HKCU\\K]\n@=\"\xC3\xBC\"\n";
  EXPECT_EQ(DataAt(ParseRegistryFile(body, "x.reg").user, "K", ""), "\xC3\xBC");
  EXPECT_EQ(DataAt(ParseRegistryFile("\xEF\xBB\xBF" + body, "x.reg").user, "K", ""), "\xC3\xBC");
}

TEST_F(RegeditExportParserTest, AcceptsCommentsSpacesAndContinuations) {
  const auto parsed = ParseRegistryFile(
      "REGEDIT4\n"
      "; a comment\n"
      "  # another\n"
      "[HKLM\\K]   ; trailing comment\n"
      "\"Spaced\" = \"v\"   ; comment\n"
      "\"Bytes\"=hex:01,  02,\\\n"
      "; comment inside the data\n"
      "    03 ,04\n"
      "\"Dword\"=DWORD:ffffffff\n",
      "x.reg");
  EXPECT_EQ(DataAt(parsed.machine, "K", "Spaced"), "v");
  EXPECT_EQ(DataAt(parsed.machine, "K", "Bytes"), "\x01\x02\x03\x04");
  EXPECT_EQ(DataAt(parsed.machine, "K", "Dword"), "\xff\xff\xff\xff");
}

TEST_F(RegeditExportParserTest, RemovesKeysAndValuesAndRecordsTheRemovals) {
  const auto parsed = ParseRegistryFile(
      "REGEDIT4\n"
      "[HKCR\\Gone.Cls\\Clsid]\n@=\"x\"\n"
      "[-HKEY_CLASSES_ROOT\\gone.cls]\n"
      "\"ignored\"=\"under a removed key\"\n"
      "[HKCU\\K]\n\"v\"=\"1\"\n\"v\"=-\n\"w\"=\"2\"\n"
      "[-HKEY_CURRENT_USER]\n"
      "[-HKEY_CLASSES_ROOT]\n",
      "x.reg");
  EXPECT_EQ(KeyAt(parsed.machine, "Software\\Classes\\Gone.Cls"), nullptr);
  EXPECT_NE(KeyAt(parsed.machine, "Software\\Classes"), nullptr);
  EXPECT_EQ(DataAt(parsed.user, "K", "v"), "<missing>");
  EXPECT_EQ(DataAt(parsed.user, "K", "w"), "2");
  ASSERT_EQ(parsed.deletions.size(), 2u);
  EXPECT_EQ(parsed.deletions[0].hive, RegistryHive::kMachine);
  EXPECT_THAT(parsed.deletions[0].foldedPath, ::testing::ElementsAre("SOFTWARE", "CLASSES", "GONE.CLS"));
  EXPECT_FALSE(parsed.deletions[0].foldedValueName.has_value());
  EXPECT_EQ(parsed.deletions[1].hive, RegistryHive::kUser);
  EXPECT_THAT(parsed.deletions[1].foldedPath, ::testing::ElementsAre("K"));
  EXPECT_EQ(parsed.deletions[1].foldedValueName, "V");
}

class RegistryParseErrorTest : public ::testing::Test {};

TEST_F(RegistryParseErrorTest, NamesTheFileAndTheLineOfTheFault) {
  const auto error = ErrorOf("REGEDIT4\n\n[HKLM\\K]\n@=\"fine\"\n\"n\"=dword:zz\n", "/tmp/bad.reg");
  EXPECT_EQ(error.FileName(), "/tmp/bad.reg");
  EXPECT_EQ(error.Line(), 5u);
  EXPECT_THAT(error.what(), HasSubstr("/tmp/bad.reg, line 5: "));
}

struct BadText {
  const char* what;
  std::string text;
  size_t line;
};

class RegistryMalformedTextTest : public ::testing::TestWithParam<BadText> {};

TEST_P(RegistryMalformedTextTest, IsRejectedAtItsLine) {
  const auto error = ErrorOf(GetParam().text);
  EXPECT_EQ(error.Line(), GetParam().line) << error.what();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RegistryMalformedTextTest,
    ::testing::Values(
        BadText{"continued hex", "REGEDIT4\n[HKLM\\K]\n\"b\"=hex:01,\\\n  02,\\\n  0g\n", 5},
        BadText{"UTF-16 text", Utf16Le(u"Windows Registry Editor Version 5.00\r\n[HKLM\\K]\r\nbad\r\n"), 3},
        BadText{"unknown header", "REGEDIT5\n[HKLM\\K]\n", 1},
        BadText{"big-endian UTF-16", "\xFE\xFF\0R"s, 1}, BadText{"odd UTF-16 length", "\xFF\xFER\0\n\0x"s, 2},
        BadText{"invalid UTF-8", "Windows Registry Editor Version 5.00\n[HKLM\\K]\n@=\"\xC3(\"\n", 3},
        BadText{"invalid UTF-8 in a Wine hive", "WINE REGISTRY Version 2\n[K]\n@=\"\xED\xA0\x80\"\n", 3},
        BadText{"value before any key", "REGEDIT4\n@=\"x\"\n", 2},
        BadText{"Wine value before any key", "WINE REGISTRY Version 2\n\"a\"=\"x\"\n", 2},
        BadText{"unknown root", "REGEDIT4\n[HKEY_NOWHERE\\K]\n", 2},
        BadText{"unclosed section", "REGEDIT4\n[HKLM\\K\n", 2},
        BadText{"text after section", "REGEDIT4\n[HKLM\\K] junk\n", 2},
        BadText{"empty key name", "REGEDIT4\n[HKLM\\A\\\\B]\n", 2},
        BadText{"trailing separator", "REGEDIT4\n[HKLM\\A\\]\n", 2},
        BadText{"empty Wine key name", "WINE REGISTRY Version 2\n[A\\\\\\\\B]\n", 2},
        BadText{"unclosed Wine section", "WINE REGISTRY Version 2\n[A\\]\n", 2},
        BadText{"unclosed string", "REGEDIT4\n[HKLM\\K]\n\"a\"=\"x\n", 3},
        BadText{"unclosed name", "REGEDIT4\n[HKLM\\K]\n\"a=\"x\"\n", 3},
        BadText{"missing equals", "REGEDIT4\n[HKLM\\K]\n\"a\" \"x\"\n", 3},
        BadText{"text after string", "REGEDIT4\n[HKLM\\K]\n\"a\"=\"x\" y\n", 3},
        BadText{"long dword", "REGEDIT4\n[HKLM\\K]\n\"a\"=dword:123456789\n", 3},
        BadText{"empty dword", "REGEDIT4\n[HKLM\\K]\n\"a\"=dword:\n", 3},
        BadText{"bad hex byte", "REGEDIT4\n[HKLM\\K]\n\"a\"=hex:01,x2\n", 3},
        BadText{"three-digit hex byte", "REGEDIT4\n[HKLM\\K]\n\"a\"=hex:012\n", 3},
        BadText{"bad hex type", "REGEDIT4\n[HKLM\\K]\n\"a\"=hex(q):01\n", 3},
        BadText{"huge hex type", "REGEDIT4\n[HKLM\\K]\n\"a\"=hex(100000000):01\n", 3},
        BadText{"file ends in hex data", "REGEDIT4\n[HKLM\\K]\n\"a\"=hex:01,\\\n", 3},
        BadText{"unknown data", "REGEDIT4\n[HKLM\\K]\n\"a\"=qword:1\n", 3},
        BadText{"stray text", "REGEDIT4\n[HKLM\\K]\nstray\n", 3},
        BadText{"str without colon", "WINE REGISTRY Version 2\n[K]\n\"a\"=str(2)\"x\"\n", 3}));

TEST_F(RegistryParseErrorTest, RejectsKeysNestedDeeperThanWindowsAllows) {
  std::string path = "K";
  for (size_t i = 1; i < kMaxRegistryDepth; ++i) path += "\\\\K";
  EXPECT_NO_THROW(ParseRegistryFile("WINE REGISTRY Version 2\n[" + path + "]\n", "system.reg"));
  EXPECT_EQ(ErrorOf("WINE REGISTRY Version 2\n[" + path + "\\\\K]\n").Line(), 2u);
}

}  // namespace
}  // namespace verbsmith

#include "resources/resource_script.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

std::string AsIs(const std::string& path) {
  return path;
}

TEST(ResourceScriptTest, HasSevenHeaderLinesAndOneLinePerBitmap) {
  const std::string text = ResourceScriptText("MyCmd", "CmdSvr", {{"SM", "C:\\bmp\\sm.bmp"}}, AsIs);
  EXPECT_EQ(text,
            "//\r\n"
            "// Resource definition file for default Command toolbar bitmap.\r\n"
            "//\r\n"
            "//////////////////////////////////////////////////////////////////////////////\r\n"
            "//\r\n"
            "// Bitmap\r\n"
            "//\r\n"
            "MyCmd.CmdSvr.SM BITMAP DISCARDABLE   C:\\bmp\\sm.bmp\r\n");
}

TEST(ResourceScriptTest, SeparatorLineHasSeventyEightSlashes) {
  const std::string text = ResourceScriptText("P", "C", {}, AsIs);
  EXPECT_NE(text.find("\r\n" + std::string(78, '/') + "\r\n"), std::string::npos);
  EXPECT_EQ(text.find(std::string(79, '/')), std::string::npos);
}

TEST(ResourceScriptTest, KeepsPlainPathsAsTheyStand) {
  EXPECT_EQ(ScriptPathText("C:\\bmp\\big.bmp"), "C:\\bmp\\big.bmp");
}

TEST(ResourceScriptTest, QuotesPathsWithBlanks) {
  EXPECT_EQ(ScriptPathText("C:\\my bmp\\big.bmp"), "\"C:\\my bmp\\big.bmp\"");
}

TEST(ResourceScriptTest, DoublesQuotesInsideQuotedPaths) {
  EXPECT_EQ(QuotedScriptPath("/tmp/a\"b.bmp"), "\"/tmp/a\"\"b.bmp\"");
}

}  // namespace
}  // namespace verbsmith

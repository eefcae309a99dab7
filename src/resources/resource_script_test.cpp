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

TEST(ResourceScriptTest, QuotesPathsOnlyWhenTheyHoldBlanksAndDoublesInnerQuotes) {
  EXPECT_EQ(ScriptPathText("C:\\bmp\\big.bmp"), "C:\\bmp\\big.bmp");
  EXPECT_EQ(ScriptPathText("C:\\my bmp\\big.bmp"), "\"C:\\my bmp\\big.bmp\"");
  EXPECT_EQ(QuotedScriptPath("/tmp/a\"b.bmp"), "\"/tmp/a\"\"b.bmp\"");
}

}  // namespace
}  // namespace verbsmith

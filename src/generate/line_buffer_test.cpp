#include "generate/line_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verbsmith {
namespace {

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

TEST(SplitTextLinesTest, AcceptsCrLfAndLoneLfAndKeepsALoneCr) {
  EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\rb\r\n"), (std::vector<std::string>{"a\rb"}));
  EXPECT_EQ(SplitTextLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(SplitTextLines("").empty());
}

class LineBufferTest : public ::testing::Test {
 protected:
  LineBuffer buffer_;
};

TEST_F(LineBufferTest, GrowsByFiftyWhenTheLineCountPlusTwoReachesTheUpperIndex) {
  EXPECT_FALSE(buffer_.Complete());
  EXPECT_EQ(buffer_.UpperBound(), 50u);
  buffer_.Assign({});
  EXPECT_TRUE(buffer_.Complete());
  EXPECT_EQ(buffer_.UpperBound(), 50u);
  buffer_.Assign(Numbered(47));
  EXPECT_EQ(buffer_.UpperBound(), 50u);
  buffer_.Assign(Numbered(48));
  EXPECT_EQ(buffer_.UpperBound(), 100u);
  // The spare elements are not written.
  EXPECT_EQ(SplitTextLines(buffer_.Text()).size(), 48u);
  EXPECT_TRUE(buffer_.Text().ends_with("line 48\r\n"));
  buffer_.Assign(Numbered(98));
  EXPECT_EQ(buffer_.UpperBound(), 150u);
  EXPECT_EQ(buffer_[97], "line 98");
  EXPECT_EQ(buffer_[98], "");
}

TEST_F(LineBufferTest, HoldsFilesBeyondThe16BitLineLimit) {
  buffer_.Assign(Numbered(40000));
  EXPECT_EQ(buffer_.LineCount(), 40000u);
  EXPECT_EQ(buffer_[39999], "line 40000");
  EXPECT_GE(buffer_.UpperBound(), 40003u);
}

TEST_F(LineBufferTest, EditedLinesAreWrittenInPlace) {
  buffer_.Assign({"a", "b", "c"});
  buffer_[1].clear();  // a blanked line stays an empty line
  EXPECT_EQ(buffer_.Text(), "a\r\n\r\nc\r\n");

  buffer_.Assign({"a", "b"});
  buffer_.InsertFirst("new");
  EXPECT_EQ(buffer_.LineCount(), 3u);
  EXPECT_EQ(buffer_.Text(), "new\r\na\r\nb\r\n");

  // A spare element filled in is written with the empty lines before it.
  buffer_.Assign({"a"});
  buffer_[2] = "late";
  EXPECT_EQ(buffer_.Text(), "a\r\n\r\nlate\r\n");
}

}  // namespace
}  // namespace verbsmith

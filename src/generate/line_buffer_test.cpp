// The line buffer: how it splits and grows, and against files what a read
// and a write leave behind and what the user sees when they fail.

#include "generate/line_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/file_host.h"

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
  // A spare element filled by an editor is written with the empty lines before it.
  buffer_.Assign({"a"});
  buffer_[2] = "late";
  EXPECT_EQ(buffer_.Text(), "a\r\n\r\nlate\r\n");
}

TEST_F(LineBufferTest, HoldsFilesBeyondThe16BitLineLimit) {
  buffer_.Assign(Numbered(40000));
  EXPECT_EQ(buffer_.LineCount(), 40000u);
  EXPECT_EQ(buffer_[39999], "line 40000");
  EXPECT_GE(buffer_.UpperBound(), 40003u);
}

constexpr int kReadOpen = 140;   // Cannot open the class file for read access.
constexpr int kWriteOpen = 138;  // Cannot open the class file for write access.
constexpr int kClose = 139;

class LineBufferFilesTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir_.WindowsPath(name); }
  void ReadBack(const char* name) {
    lines_.Read(files_.host, Path(name), kReadOpen, kClose);
    lines_.Write(files_.host, Path(name), kWriteOpen, kClose);
  }

  test::MemoryHost files_;
  test::MemoryDir dir_{files_.files};
  LineBuffer lines_;
};

TEST_F(LineBufferFilesTest, AFileIsWrittenBackWithCrLfLineEndsAndNothingAdded) {
  std::string fortyEight;
  for (const std::string& line : Numbered(48)) fortyEight += line + "\r\n";
  const struct {
    std::string before, after;
    std::size_t upperBound;
  } cases[] = {
      {fortyEight, fortyEight, 100},  // grown once, then written back twice
      {"a\nb\n", "a\r\nb\r\n", 50},
      {"", "", 50},
      {"VERSION 1.0 CLASS\r\n\r\n  caf\xE9 ' note\r\nlast\r\n",
       "VERSION 1.0 CLASS\r\n\r\n  caf\xE9 ' note\r\nlast\r\n", 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    dir_.Write("f.cls", c.before);
    ReadBack("f.cls");
    ReadBack("f.cls");
    EXPECT_EQ(dir_.Read("f.cls"), c.after);
    EXPECT_EQ(lines_.UpperBound(), c.upperBound);
  }
  EXPECT_EQ(lines_[2], "  caf\xC3\xA9 ' note");
  EXPECT_TRUE(files_.Prompts().empty());
}

TEST_F(LineBufferFilesTest, AWriteAfterAFailedReadIsRefusedAndLeavesTheFileAlone) {
  dir_.Write("c.cls", "keep me\r\n");
  files_.files.beforeEach = [](std::string_view operation, const std::string&) {
    if (operation == "ReadBytes") throw VbError::Standard(vberr::kDeviceIoError);
  };
  lines_.Read(files_.host, Path("c.cls"), kReadOpen, kClose);
  files_.files.beforeEach = nullptr;
  lines_.Write(files_.host, Path("c.cls"), kWriteOpen, kClose);
  EXPECT_EQ(dir_.Read("c.cls"), "keep me\r\n");
  EXPECT_EQ(files_.Prompts(), (std::vector<std::string>{"Cannot open the class file for read access.  ",
                                                        "Cannot open the class file for write access.  "}));
}

// A new buffer writes nothing; a missing file or a directory in place of
// the file shows the open message and two spaces.
TEST_F(LineBufferFilesTest, FailedOpensShowTheirMessageAndWriteNothing) {
  dir_.Write("n.cls", "keep me\r\n");
  lines_.Write(files_.host, Path("n.cls"), kWriteOpen, kClose);
  lines_.Read(files_.host, Path("missing.cls"), kReadOpen, kClose);
  EXPECT_EQ(files_.err.Number(), vberr::kFileNotFound);
  EXPECT_EQ(lines_.UpperBound(), 50u);
  EXPECT_EQ(lines_[0], "");
  dir_.MakeDir("dir.cls");
  lines_.Read(files_.host, Path("n.cls"), kReadOpen, kClose);
  lines_.Write(files_.host, Path("dir.cls"), kWriteOpen, kClose);
  EXPECT_EQ(dir_.Read("n.cls"), "keep me\r\n");
  EXPECT_EQ(files_.Prompts(), (std::vector<std::string>{"Cannot open the class file for write access.  ",
                                                        "Cannot open the class file for read access.  ",
                                                        "Cannot open the class file for write access.  "}));
}

}  // namespace
}  // namespace verbsmith

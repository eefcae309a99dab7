// The line buffer against real files: what a read and a write leave on
// disk, and what the user sees when they fail.

#include <gtest/gtest.h>

#include <string>

#include "generate/line_buffer.h"
#include "support/file_host.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

constexpr int kReadOpen = 140;   // Cannot open the class file for read access.
constexpr int kWriteOpen = 138;  // Cannot open the class file for write access.
constexpr int kClose = 139;

// Forwards to the real file system, except that reads fail on demand.
class FailingReads : public PosixFileSystem {
 public:
  std::string ReadText(const std::string& path) override {
    if (failReads) throw VbError::Standard(vberr::kDeviceIoError);
    return PosixFileSystem::ReadText(path);
  }
  bool failReads = false;
};

class LineBufferFilesTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir_.WindowsPath(name); }
  void ReadBack(const char* name) {
    lines_.Read(files_.host, Path(name), kReadOpen, kClose);
    lines_.Write(files_.host, Path(name), kWriteOpen, kClose);
  }

  test::TempDir dir_;
  test::FileHost files_;
  LineBuffer lines_;
};

TEST_F(LineBufferFilesTest, ACrLfFileIsWrittenBackByteForByte) {
  dir_.Write("a.cls", "VERSION 1.0 CLASS\r\n\r\n  caf\xE9 ' note\r\nlast\r\n");
  ReadBack("a.cls");
  EXPECT_EQ(dir_.Read("a.cls"), "VERSION 1.0 CLASS\r\n\r\n  caf\xE9 ' note\r\nlast\r\n");
  EXPECT_EQ(lines_[2], "  caf\xC3\xA9 ' note");
  EXPECT_TRUE(files_.Prompts().empty());
}

TEST_F(LineBufferFilesTest, EditingAFileTwiceDoesNotGrowIt) {
  std::string text;
  for (int i = 1; i <= 48; ++i) text += "line " + std::to_string(i) + "\r\n";
  dir_.Write("p.vbp", text);
  ReadBack("p.vbp");
  ReadBack("p.vbp");
  EXPECT_EQ(dir_.Read("p.vbp"), text);
  EXPECT_EQ(lines_.UpperBound(), 100u);
}

TEST_F(LineBufferFilesTest, LfLinesAreReadAndWrittenWithCrLf) {
  dir_.Write("m.bas", "a\nb\n");
  ReadBack("m.bas");
  EXPECT_EQ(dir_.Read("m.bas"), "a\r\nb\r\n");
}

TEST_F(LineBufferFilesTest, AnEmptyFileStaysEmpty) {
  dir_.Write("e.bas", "");
  ReadBack("e.bas");
  EXPECT_EQ(dir_.Read("e.bas"), "");
  EXPECT_EQ(lines_.UpperBound(), 50u);
}

TEST_F(LineBufferFilesTest, AMissingFileShowsTheOpenMessageAndTwoSpaces) {
  lines_.Read(files_.host, Path("missing.cls"), kReadOpen, kClose);
  ASSERT_EQ(files_.dialogs.MessageBoxes().size(), 1u);
  const auto& box = files_.dialogs.MessageBoxes()[0];
  EXPECT_EQ(box.prompt, "Cannot open the class file for read access.  ");
  EXPECT_EQ(box.title, "Carthex Verbsmith");
  EXPECT_EQ(box.style, 48);
  EXPECT_EQ(files_.err.Number(), vberr::kFileNotFound);
  EXPECT_EQ(lines_.UpperBound(), 50u);
  EXPECT_EQ(lines_[0], "");
}

TEST_F(LineBufferFilesTest, AWriteAfterAFailedReadIsRefusedAndLeavesTheFileAlone) {
  FailingReads failing;
  Host host = files_.With(failing);
  dir_.Write("c.cls", "keep me\r\n");
  failing.failReads = true;
  lines_.Read(host, Path("c.cls"), kReadOpen, kClose);
  lines_.Write(host, Path("c.cls"), kWriteOpen, kClose);
  EXPECT_EQ(dir_.Read("c.cls"), "keep me\r\n");
  EXPECT_EQ(files_.Prompts(), (std::vector<std::string>{"Cannot open the class file for read access.  ",
                                                        "Cannot open the class file for write access.  "}));
}

TEST_F(LineBufferFilesTest, ANewBufferWritesNothing) {
  dir_.Write("n.cls", "keep me\r\n");
  lines_.Write(files_.host, Path("n.cls"), kWriteOpen, kClose);
  EXPECT_EQ(dir_.Read("n.cls"), "keep me\r\n");
  EXPECT_EQ(files_.Prompts().size(), 1u);
}

TEST_F(LineBufferFilesTest, AFailedWriteShowsTheWriteMessage) {
  dir_.Write("w.cls", "a\r\n");
  dir_.MakeDir("dir.cls");
  lines_.Read(files_.host, Path("w.cls"), kReadOpen, kClose);
  lines_.Write(files_.host, Path("dir.cls"), kWriteOpen, kClose);
  EXPECT_EQ(files_.Prompts(), std::vector<std::string>{"Cannot open the class file for write access.  "});
}

}  // namespace
}  // namespace verbsmith

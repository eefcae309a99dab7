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

TEST_F(LineBufferFilesTest, AFileIsWrittenBackWithCrLfLineEndsAndNothingAdded) {
  std::string fortyEight;
  for (int i = 1; i <= 48; ++i) fortyEight += "line " + std::to_string(i) + "\r\n";
  const struct {
    std::string before;
    std::string after;
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

TEST_F(LineBufferFilesTest, AWriteWithoutACompleteBufferOrToADirectoryShowsTheWriteMessage) {
  dir_.Write("n.cls", "keep me\r\n");
  lines_.Write(files_.host, Path("n.cls"), kWriteOpen, kClose);
  EXPECT_EQ(dir_.Read("n.cls"), "keep me\r\n");
  dir_.MakeDir("dir.cls");
  lines_.Read(files_.host, Path("n.cls"), kReadOpen, kClose);
  lines_.Write(files_.host, Path("dir.cls"), kWriteOpen, kClose);
  EXPECT_EQ(files_.Prompts(), std::vector<std::string>(2, "Cannot open the class file for write access.  "));
}

}  // namespace
}  // namespace verbsmith

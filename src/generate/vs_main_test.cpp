#include "generate/vs_main.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/vb_error.h"
#include "support/file_host.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

class ReportErrorTest : public ::testing::Test {
 protected:
  const MessageBoxRecord& OnlyBox() {
    EXPECT_EQ(files_.dialogs.MessageBoxes().size(), 1u);
    return files_.dialogs.MessageBoxes().at(0);
  }

  test::FileHost files_;
};

TEST_F(ReportErrorTest, FileErrorShowsMessageAndTwoSpacesOnly) {
  files_.err.Set(VbError::Standard(vberr::kFileNotFound));
  std::string message = "Cannot open the class file for read access.";
  ReportError(files_.host, "File not found", &message);
  const MessageBoxRecord& box = OnlyBox();
  EXPECT_EQ(box.prompt, "Cannot open the class file for read access.  ");
  EXPECT_EQ(box.style, 48);
  EXPECT_EQ(box.title, "Carthex Verbsmith");
  EXPECT_EQ(message, "");
}

TEST_F(ReportErrorTest, SystemErrorAddsItsOwnText) {
  files_.err.Set(vberr::kSystemFailure, "Component", "Unspecified error");
  std::string message = "Cannot register the command.";
  ReportError(files_.host, "Unspecified error", &message);
  EXPECT_EQ(OnlyBox().prompt, "Cannot register the command.  Unspecified error");
  EXPECT_EQ(message, "");
}

TEST_F(ReportErrorTest, ObjectErrorBaseItselfCountsAsSystemButNotAbove) {
  files_.err.Set(vberr::kObjectErrorBase, "Component", "base");
  std::string message = "M";
  ReportError(files_.host, "base", &message);
  files_.err.Set(vberr::kObjectErrorBase + 1, "Component", "own");
  message = "M";
  ReportError(files_.host, "own", &message);
  ASSERT_EQ(files_.dialogs.MessageBoxes().size(), 2u);
  EXPECT_EQ(files_.dialogs.MessageBoxes()[0].prompt, "M  base");
  EXPECT_EQ(files_.dialogs.MessageBoxes()[1].prompt, "M  ");
}

TEST_F(ReportErrorTest, WithoutMessageShowsTheErrorTextAlone) {
  files_.err.Set(vberr::kSystemFailure, "Component", "Unspecified error");
  ReportError(files_.host, "Something failed.");
  const MessageBoxRecord& box = OnlyBox();
  EXPECT_EQ(box.prompt, "Something failed.");
  EXPECT_EQ(box.style, 48);
  EXPECT_EQ(box.title, "Carthex Verbsmith");
}

class FileExistsTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  test::FileHost files_;
};

TEST_F(FileExistsTest, EmptyPathIsNeverThere) {
  EXPECT_FALSE(FileExists(files_.host, ""));
}

TEST_F(FileExistsTest, FindsAPlainFileAndAPattern) {
  dir_.Write("proj/src/Cmd.vbp", "");
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/src/Cmd.vbp")));
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/src/*.vbp")));
  EXPECT_FALSE(FileExists(files_.host, dir_.WindowsPath("proj/src/Other.vbp")));
  EXPECT_FALSE(FileExists(files_.host, dir_.WindowsPath("missing/Cmd.vbp")));
}

TEST_F(FileExistsTest, DirectoryNeedsTheDirectoryMask) {
  dir_.MakeDir("proj/bin");
  EXPECT_FALSE(FileExists(files_.host, dir_.WindowsPath("proj/bin")));
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/bin"), attr::kDirectory));
}

TEST_F(FileExistsTest, AFailingListingGivesFalse) {
  EXPECT_FALSE(FileExists(files_.host, dir_.WindowsPath("bad|name.txt")));
  EXPECT_FALSE(FileExists(files_.host, "Q:\\unmapped\\drive.txt"));
}

class MakeTempFileNameTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  test::FileHost files_;
};

TEST_F(MakeTempFileNameTest, CreatesAnEmptyFileInTempWithThePrefix) {
  test::ScopedEnv temp("TEMP", dir_.WindowsPath().c_str());
  std::string prefix = "rescopy";
  std::string result;
  MakeTempFileName(files_.host, prefix, result);
  ASSERT_EQ(result.rfind(dir_.WindowsPath("res"), 0), 0u) << result;
  EXPECT_EQ(result.substr(result.size() - 4), ".tmp");
  EXPECT_TRUE(FileExists(files_.host, result));
  EXPECT_EQ(prefix, "rescopy");
}

TEST_F(MakeTempFileNameTest, EmptyTempLeaves144Spaces) {
  test::ScopedEnv temp("TEMP", "");
  std::string prefix = "res";
  std::string result = "old";
  MakeTempFileName(files_.host, prefix, result);
  EXPECT_EQ(result, std::string(144, ' '));
}

TEST_F(MakeTempFileNameTest, MissingTempDirectoryGoesToTheCaller) {
  test::ScopedEnv temp("TEMP", dir_.WindowsPath("missing").c_str());
  std::string prefix = "res";
  std::string result;
  EXPECT_THROW(MakeTempFileName(files_.host, prefix, result), VbError);
}

// Dialogs whose keystrokes fail, to see the error report.
class FailingKeysDialogs : public ScriptedDialogs {
 public:
  FailingKeysDialogs(Transcript& transcript, std::function<void()> fail)
      : ScriptedDialogs(transcript), fail_(std::move(fail)) {}
  void SendKeys(const std::string&) override { fail_(); }

 private:
  std::function<void()> fail_;
};

class SaveProjectKeystrokesTest : public ::testing::Test {
 protected:
  test::FileHost files_;
  NullTranscript transcript_;
};

TEST_F(SaveProjectKeystrokesTest, SendsAltFVThenLetsEventsRun) {
  SaveProjectKeystrokes(files_.host);
  ASSERT_EQ(files_.dialogs.SentKeys().size(), 1u);
  EXPECT_EQ(files_.dialogs.SentKeys()[0], "%(FV)");
  EXPECT_EQ(files_.dialogs.DoEventsCount(), 1);
  EXPECT_TRUE(files_.dialogs.MessageBoxes().empty());
}

TEST_F(SaveProjectKeystrokesTest, FileErrorShowsTwoSpacesOnly) {
  FailingKeysDialogs dialogs(transcript_, [] { throw VbError::Standard(vberr::kPermissionDenied); });
  Host host = files_.With(dialogs);
  SaveProjectKeystrokes(host);
  ASSERT_EQ(dialogs.MessageBoxes().size(), 1u);
  EXPECT_EQ(dialogs.MessageBoxes()[0].prompt, "  ");
  EXPECT_EQ(dialogs.MessageBoxes()[0].title, "Carthex Verbsmith");
  EXPECT_EQ(files_.err.Number(), vberr::kPermissionDenied);
  EXPECT_EQ(dialogs.DoEventsCount(), 0);
}

TEST_F(SaveProjectKeystrokesTest, SystemErrorShowsItsText) {
  FailingKeysDialogs dialogs(transcript_,
                             [] { throw VbError(vberr::kSystemFailure, "Keys", "No active window"); });
  Host host = files_.With(dialogs);
  SaveProjectKeystrokes(host);
  ASSERT_EQ(dialogs.MessageBoxes().size(), 1u);
  EXPECT_EQ(dialogs.MessageBoxes()[0].prompt, "  No active window");
}

TEST_F(SaveProjectKeystrokesTest, ForeignFailureCountsAsSystemError) {
  FailingKeysDialogs dialogs(transcript_, [] { throw std::runtime_error("display gone"); });
  Host host = files_.With(dialogs);
  SaveProjectKeystrokes(host);
  ASSERT_EQ(dialogs.MessageBoxes().size(), 1u);
  EXPECT_EQ(dialogs.MessageBoxes()[0].prompt, "  display gone");
}

}  // namespace
}  // namespace verbsmith

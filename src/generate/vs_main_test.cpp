#include "generate/vs_main.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/vb_error.h"
#include "support/file_host.h"

namespace verbsmith {
namespace {

TEST(ReportErrorTest, SystemErrorsAddTheirTextAndOthersOnlyTwoSpaces) {
  const struct {
    VbError error;
    const char* errorText;
    const char* message;  // nullptr: no message passed
    const char* prompt;
  } cases[] = {
      {VbError::Standard(vberr::kFileNotFound), "File not found",
       "Cannot open the class file for read access.", "Cannot open the class file for read access.  "},
      {VbError(vberr::kSystemFailure, "C", "Unspecified error"), "Unspecified error",
       "Cannot register the command.", "Cannot register the command.  Unspecified error"},
      {VbError(vberr::kObjectErrorBase, "C", "base"), "base", "M", "M  base"},
      {VbError(vberr::kObjectErrorBase + 1, "C", "own"), "own", "M", "M  "},
      {VbError(vberr::kSystemFailure, "C", "Unspecified error"), "Something failed.", nullptr,
       "Something failed."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prompt);
    test::MemoryHost files;
    files.err.Set(c.error);
    std::string message = c.message ? c.message : "";
    ReportError(files.host, c.errorText, c.message ? &message : nullptr);
    ASSERT_EQ(files.dialogs.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = files.dialogs.MessageBoxes()[0];
    EXPECT_EQ(box.prompt, c.prompt);
    EXPECT_EQ(box.style, 48);
    EXPECT_EQ(box.title, "Carthex Verbsmith");
    EXPECT_EQ(message, "");
  }
}

class VsMainFilesTest : public ::testing::Test {
 protected:
  test::MemoryHost files_;
  test::MemoryDir dir_{files_.files};
};

TEST_F(VsMainFilesTest, FileExistsMatchesFilesPatternsAndMaskedDirectories) {
  dir_.Write("proj/src/Cmd.vbp", "");
  dir_.MakeDir("proj/bin");
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/src/Cmd.vbp")));
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/src/*.vbp")));
  EXPECT_TRUE(FileExists(files_.host, dir_.WindowsPath("proj/bin"), attr::kDirectory));
  for (const std::string& path : {std::string(), dir_.WindowsPath("proj/src/Other.vbp"),
                                  dir_.WindowsPath("missing/Cmd.vbp"), dir_.WindowsPath("proj/bin"),
                                  dir_.WindowsPath("bad|name.txt"), std::string("Q:\\unmapped\\drive.txt")}) {
    EXPECT_FALSE(FileExists(files_.host, path)) << path;
  }
}

// An empty file in TEMP named with the prefix; without TEMP, 144 spaces; a
// missing TEMP directory goes to the caller.
TEST_F(VsMainFilesTest, MakeTempFileNameCreatesAnEmptyFileInTempWithThePrefix) {
  std::string prefix = "rescopy";
  std::string result;
  files_.processes.env["TEMP"] = dir_.WindowsPath();
  MakeTempFileName(files_.host, prefix, result);
  ASSERT_EQ(result.rfind(dir_.WindowsPath("res"), 0), 0u) << result;
  EXPECT_TRUE(result.ends_with(".tmp"));
  EXPECT_TRUE(FileExists(files_.host, result));
  EXPECT_EQ(prefix, "rescopy");

  files_.processes.env["TEMP"] = "";
  MakeTempFileName(files_.host, prefix, result);
  EXPECT_EQ(result, std::string(144, ' '));

  files_.processes.env["TEMP"] = dir_.WindowsPath("missing");
  EXPECT_THROW(MakeTempFileName(files_.host, prefix, result), VbError);
}

// Dialogs whose keystrokes fail, to see the error report.
class FailingKeysDialogs : public ScriptedDialogs {
 public:
  FailingKeysDialogs(SessionEvents& events, std::function<void()> fail)
      : ScriptedDialogs(events), fail_(std::move(fail)) {}
  void SendKeys(const std::string&) override { fail_(); }

 private:
  std::function<void()> fail_;
};

TEST(SaveProjectKeystrokesTest, SendsAltFVThenLetsEventsRun) {
  test::MemoryHost files;
  SaveProjectKeystrokes(files.host);
  EXPECT_EQ(files.dialogs.SentKeys(), std::vector<std::string>{"%(FV)"});
  EXPECT_EQ(files.dialogs.DoEventsCount(), 1);
  EXPECT_TRUE(files.dialogs.MessageBoxes().empty());
}

TEST(SaveProjectKeystrokesTest, AFailureIsShownWithTheTextOfSystemAndForeignErrorsOnly) {
  const struct {
    std::function<void()> fail;
    const char* prompt;
    int32_t number;  // 0: not a Visual Basic error
  } cases[] = {
      {[] { throw VbError::Standard(vberr::kPermissionDenied); }, "  ", vberr::kPermissionDenied},
      {[] { throw std::runtime_error("display gone"); }, "  display gone", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prompt);
    test::MemoryHost files;
    NullTranscript transcript;
    FailingKeysDialogs dialogs(transcript, c.fail);
    Host host = files.With(dialogs);
    SaveProjectKeystrokes(host);
    if (c.number != 0) {
      EXPECT_EQ(files.err.Number(), c.number);
    }
    ASSERT_EQ(dialogs.MessageBoxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBoxes()[0].prompt, c.prompt);
    EXPECT_EQ(dialogs.DoEventsCount(), 0);
  }
}

}  // namespace
}  // namespace verbsmith

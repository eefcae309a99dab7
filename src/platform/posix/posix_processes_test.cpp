#include "platform/posix/posix_processes.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>

#include "base/vb_error.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

using std::chrono::milliseconds;

using test::ScopedEnv;

class PosixProcessesTest : public ::testing::Test {
 protected:
  PosixProcesses processes_;
};

TEST_F(PosixProcessesTest, GetEnvGivesVariablesAndTempInWindowsFormFromTempTmpdirOrSlashTmp) {
  const struct {
    const char* temp;
    const char* tmpdir;
    const char* answer;
  } cases[] = {
      {nullptr, "/var/tmp/build/", "Z:\\var\\tmp\\build"},
      {nullptr, nullptr, "Z:\\tmp"},
      {"/scratch", nullptr, "Z:\\scratch"},
      {"C:\\Windows\\Temp", nullptr, "C:\\Windows\\Temp"},
      {"", "/var/tmp", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ScopedEnv temp("TEMP", c.temp);
    ScopedEnv tmpdir("TMPDIR", c.tmpdir);
    EXPECT_EQ(processes_.GetEnv("TEMP"), c.answer);
  }
}

TEST_F(PosixProcessesTest, HiddenChildReadsEndOfInputAtOnceAndASignalShowsAsMinusItsNumber) {
  ProcessId child = processes_.Start({"/bin/sh", "-c", "read line; exit $?"}, true);
  std::optional<int> status = processes_.Wait(child, milliseconds(10000));
  ASSERT_TRUE(status.has_value());
  EXPECT_NE(*status, 0);
  child = processes_.Start({"/bin/sh", "-c", "kill -TERM $$"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(10000)), -SIGTERM);
}

// A hung tool's own children must not outlive the limit either.
TEST_F(PosixProcessesTest, KillEndsWhatAHiddenChildStartedToo) {
  test::TempDir dir;
  const std::string pidFile = dir.HostPath("pid").string();
  const ProcessId child = processes_.Start(
      {"sh", "-c", "sleep 30 & echo $! > " + pidFile + ".new; mv " + pidFile + ".new " + pidFile + "; wait"},
      true);
  while (!dir.Exists("pid")) ASSERT_EQ(processes_.Wait(child, milliseconds(5)), std::nullopt);
  const std::string stat = "/proc/" + std::to_string(std::stol(dir.Read("pid"))) + "/stat";
  processes_.Kill(child);
  // Gone, or dead and waiting for whoever reaps orphans.
  auto ended = [&] {
    std::ifstream in(stat);
    std::string pid, name, state;
    return !(in >> pid >> name >> state) || state == "Z";
  };
  for (int i = 0; i < 500 && !ended(); ++i) processes_.Sleep(milliseconds(10));
  EXPECT_TRUE(ended());
}

// A host program cannot use the Windows form the product keeps in TEMP.
TEST_F(PosixProcessesTest, AChildGetsHostPathsInTempAndTmp) {
  ScopedEnv temp("TEMP", "Z:\\var\\tmp");
  ScopedEnv tmp("TMP", "C:\\Windows\\Temp");
  const ProcessId child =
      processes_.Start({"sh", "-c", "test \"$TEMP\" = /var/tmp && test \"$TMP\" = /var/tmp"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(10000)), 0);
}

}  // namespace
}  // namespace verbsmith

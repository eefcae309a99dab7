#include "platform/posix/posix_processes.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <optional>
#include <string>

#include "base/vb_error.h"
#include "support/scoped_env.h"

namespace verbsmith {
namespace {

using std::chrono::milliseconds;

using test::ScopedEnv;

class PosixProcessesTest : public ::testing::Test {
 protected:
  PosixProcesses processes_;
};

TEST_F(PosixProcessesTest, GetEnvReadsSetVariableAndNothingForUnset) {
  ScopedEnv set("VERBSMITH_TEST_VALUE", "some value");
  ScopedEnv unset("VERBSMITH_TEST_MISSING", nullptr);
  EXPECT_EQ(processes_.GetEnv("VERBSMITH_TEST_VALUE"), "some value");
  EXPECT_EQ(processes_.GetEnv("VERBSMITH_TEST_MISSING"), std::nullopt);
}

TEST_F(PosixProcessesTest, TempFallsBackToTmpdirInWindowsForm) {
  ScopedEnv temp("TEMP", nullptr);
  ScopedEnv tmpdir("TMPDIR", "/var/tmp/build/");
  EXPECT_EQ(processes_.GetEnv("TEMP"), "Z:\\var\\tmp\\build");
}

TEST_F(PosixProcessesTest, TempFallsBackToSlashTmpWithoutTmpdir) {
  ScopedEnv temp("TEMP", nullptr);
  ScopedEnv tmpdir("TMPDIR", nullptr);
  EXPECT_EQ(processes_.GetEnv("TEMP"), "Z:\\tmp");
}

TEST_F(PosixProcessesTest, TempGivenAsHostPathIsMappedAndWindowsFormKept) {
  {
    ScopedEnv temp("TEMP", "/scratch");
    EXPECT_EQ(processes_.GetEnv("TEMP"), "Z:\\scratch");
  }
  {
    ScopedEnv temp("TEMP", "C:\\Windows\\Temp");
    EXPECT_EQ(processes_.GetEnv("TEMP"), "C:\\Windows\\Temp");
  }
  {
    ScopedEnv temp("TEMP", "");
    EXPECT_EQ(processes_.GetEnv("TEMP"), "");
  }
}

TEST_F(PosixProcessesTest, WaitGivesExitStatus) {
  ProcessId child = processes_.Start({"/bin/sh", "-c", "exit 3"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(10000)), 3);
  // Asking again does not lose the answer.
  EXPECT_EQ(processes_.Wait(child, milliseconds(0)), 3);
}

TEST_F(PosixProcessesTest, FindsProgramOnPath) {
  ProcessId child = processes_.Start({"sh", "-c", "exit 0"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(10000)), 0);
}

TEST_F(PosixProcessesTest, HiddenChildReadsEndOfInputAtOnce) {
  ProcessId child = processes_.Start({"/bin/sh", "-c", "read line; exit $?"}, true);
  std::optional<int> status = processes_.Wait(child, milliseconds(10000));
  ASSERT_TRUE(status.has_value());
  EXPECT_NE(*status, 0);
}

TEST_F(PosixProcessesTest, WaitPassesLimitWhileRunningThenKillEndsIt) {
  ProcessId child = processes_.Start({"sleep", "30"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(20)), std::nullopt);
  processes_.Kill(child);
  EXPECT_EQ(processes_.Wait(child, milliseconds(0)), -SIGKILL);
  // Killing an ended process is harmless.
  processes_.Kill(child);
}

TEST_F(PosixProcessesTest, SignalledChildReportsMinusSignal) {
  ProcessId child = processes_.Start({"/bin/sh", "-c", "kill -TERM $$"}, true);
  EXPECT_EQ(processes_.Wait(child, milliseconds(10000)), -SIGTERM);
}

TEST_F(PosixProcessesTest, MissingProgramRaisesFileNotFound) {
  try {
    processes_.Start({"/nonexistent/verbsmith-no-such-program"}, true);
    FAIL() << "expected VbError";
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), vberr::kFileNotFound);
  }
  try {
    processes_.Start({"verbsmith-no-such-program-on-path"}, false);
    FAIL() << "expected VbError";
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), vberr::kFileNotFound);
  }
}

TEST_F(PosixProcessesTest, RefusesEmptyCommandAndUnknownProcess) {
  EXPECT_THROW(processes_.Start({}, true), VbError);
  EXPECT_THROW(processes_.Wait(999999999, milliseconds(0)), VbError);
}

}  // namespace
}  // namespace verbsmith

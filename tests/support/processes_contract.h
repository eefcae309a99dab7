#pragma once
// What the processes port promises on every host. A Programs type holds a
// Processes processes and, as argument lists of the host's own programs,
// Exit(code) (ends at once with that code) and Long() (runs for minutes);
// ProgramFile(name) is the file name a program called name has there, and
// PathList(directories) a PATH value.

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/processes.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace verbsmith::test {

inline std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : separator) + part;
  return joined;
}

template <typename Programs>
class ProcessesContractTest : public ::testing::Test {
 protected:
  Programs programs_;
  Processes& processes_ = programs_.processes;
};

TYPED_TEST_SUITE_P(ProcessesContractTest);

TYPED_TEST_P(ProcessesContractTest, WaitGivesTheExitStatusAgainAndAgain) {
  const ProcessId child = this->processes_.Start(this->programs_.Exit(3), true);
  EXPECT_EQ(this->processes_.Wait(child, std::chrono::seconds(10)), 3);
  EXPECT_EQ(this->processes_.Wait(child, std::chrono::milliseconds(0)), 3);
  EXPECT_FALSE(this->processes_.IsRunning(child));
  EXPECT_TRUE(this->processes_.IsRunning(this->processes_.Self()));
}

TYPED_TEST_P(ProcessesContractTest, WaitPassesTheLimitWhileRunningThenKillEndsIt) {
  const ProcessId child = this->processes_.Start(this->programs_.Long(), true);
  EXPECT_EQ(this->processes_.Wait(child, std::chrono::milliseconds(20)), std::nullopt);
  this->processes_.Kill(child);
  EXPECT_NE(this->processes_.Wait(child, std::chrono::milliseconds(0)), std::nullopt);
  this->processes_.Kill(child);  // harmless once it has ended
}

TYPED_TEST_P(ProcessesContractTest, RefusesMissingProgramsEmptyCommandsAndUnknownProcesses) {
  for (const char* program : {"verbsmith-no-such-program-on-path", "Z:\\nonexistent\\no-such-program.exe"}) {
    try {
      this->processes_.Start({program}, false);
      ADD_FAILURE() << "started " << program;
    } catch (const VbError& error) {
      EXPECT_EQ(error.Number(), vberr::kFileNotFound) << program;
    }
  }
  EXPECT_THROW(this->processes_.Start({}, true), VbError);
  EXPECT_THROW(this->processes_.Wait(999999999, std::chrono::milliseconds(0)), VbError);
}

TYPED_TEST_P(ProcessesContractTest, GetEnvGivesSetVariablesAndNothingForMissingOnes) {
  ScopedEnv set("VERBSMITH_TEST_VALUE", "some value");
  ScopedEnv unset("VERBSMITH_TEST_MISSING", nullptr);
  EXPECT_EQ(this->processes_.GetEnv("VERBSMITH_TEST_VALUE"), "some value");
  EXPECT_EQ(this->processes_.GetEnv("VERBSMITH_TEST_MISSING"), std::nullopt);
}

TYPED_TEST_P(ProcessesContractTest, FindProgramsGivesPathOrderAndOnlyFilesThatMatch) {
  const TypeParam& programs = this->programs_;
  TempDir first, second;
  first.Write(programs.ProgramFile("vs-tool"), "");
  first.MakeDir(programs.ProgramFile("vs-folder"));
  second.Write(programs.ProgramFile("vs-tool"), "");
  second.Write(programs.ProgramFile("vs-tool-2"), "");
  const auto in = [&](const TempDir& dir, const std::string& name) {
    return (dir.HostPath() / programs.ProgramFile(name)).string();
  };
  ScopedEnv path("PATH", programs.PathList({first.HostPath().string(), second.HostPath().string()}).c_str());

  EXPECT_EQ(this->processes_.FindPrograms("vs-tool"),
            (std::vector<std::string>{in(first, "vs-tool"), in(second, "vs-tool")}));
  EXPECT_EQ(this->processes_.FindPrograms("vs-tool-*"), (std::vector<std::string>{in(second, "vs-tool-2")}));
  EXPECT_TRUE(this->processes_.FindPrograms("vs-folder").empty());
  EXPECT_TRUE(this->processes_.FindPrograms("vs-missing").empty());
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContractTest, WaitGivesTheExitStatusAgainAndAgain,
                            WaitPassesTheLimitWhileRunningThenKillEndsIt,
                            RefusesMissingProgramsEmptyCommandsAndUnknownProcesses,
                            GetEnvGivesSetVariablesAndNothingForMissingOnes,
                            FindProgramsGivesPathOrderAndOnlyFilesThatMatch);

}  // namespace verbsmith::test

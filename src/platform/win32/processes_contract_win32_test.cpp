// The processes contract on the Windows adapter, with the command shell's
// programs.

#include <gtest/gtest.h>

#include "platform/win32/win32_processes.h"
#include "support/processes_contract.h"

namespace verbsmith::test {
namespace {

struct Win32Programs {
  Win32Processes processes;
  std::vector<std::string> Exit(int code) const { return {"cmd.exe", "/c", "exit " + std::to_string(code)}; }
  std::vector<std::string> Long() const { return {"cmd.exe", "/c", "for /l %i in (1,1,2000000000) do @rem"}; }
  std::string ProgramFile(const std::string& name) const { return name + ".exe"; }
  std::string PathList(const std::vector<std::string>& directories) const { return Joined(directories, ";"); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProcessesContractTest, ::testing::Types<Win32Programs>);

// Arguments reach a program as the C runtime splits its command line.
TEST(Win32CommandLineTest, QuotesWhatTheRuntimeWouldSplit) {
  EXPECT_EQ(QuotedCommandLine({"rc.exe", "/fo", "a b.res", "", "x\\\"y", "dir\\"}),
            "rc.exe /fo \"a b.res\" \"\" \"x\\\\\\\"y\" dir\\");
}

}  // namespace
}  // namespace verbsmith::test

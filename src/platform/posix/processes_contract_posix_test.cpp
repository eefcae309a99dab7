// The processes contract on the POSIX adapter.

#include <gtest/gtest.h>

#include "platform/posix/posix_processes.h"
#include "support/processes_contract.h"

namespace verbsmith::test {
namespace {

struct PosixPrograms {
  PosixProcesses processes;
  std::vector<std::string> Exit(int code) const { return {"/bin/sh", "-c", "exit " + std::to_string(code)}; }
  std::vector<std::string> Long() const { return {"sleep", "300"}; }
  std::string ProgramFile(const std::string& name) const { return name; }
  std::string PathList(const std::vector<std::string>& directories) const { return Joined(directories, ":"); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, ProcessesContractTest, ::testing::Types<PosixPrograms>);

}  // namespace
}  // namespace verbsmith::test

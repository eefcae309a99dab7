#pragma once
// Processes for tests: an environment the test fills in, and a record of
// the programs started. Without a delegate nothing runs: a start returns a
// new id, or fails with 53 when startable is false, and every wait answers
// exitStatus. With one, programs really run there.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/processes.h"
#include "platform/wildcard.h"

namespace verbsmith::test {

class FakeProcesses : public Processes {
 public:
  explicit FakeProcesses(Processes* delegate = nullptr) : delegate_(delegate) {}

  std::optional<std::string> GetEnv(const std::string& name) override {
    const auto found = env.find(name);
    return found == env.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  // From the test's own list, never the delegate's PATH.
  std::vector<std::string> FindPrograms(const std::string& pattern) override {
    std::vector<std::string> found;
    for (const std::string& program : programs) {
      const std::string name = program.substr(program.find_last_of("/\\") + 1);
      if (MatchesWildcard(pattern, name)) found.push_back(program);
    }
    return found;
  }
  bool RunsWindowsPrograms() const override { return windowsPrograms; }
  ProcessId Start(const std::vector<std::string>& argv, bool hidden) override {
    started.push_back(argv);
    if (delegate_ != nullptr) return delegate_->Start(argv, hidden);
    if (!startable) throw VbError::Standard(vberr::kFileNotFound);
    return static_cast<ProcessId>(started.size());
  }
  // nullopt, as for a process still running, once after overrun is set.
  std::optional<int> Wait(ProcessId process, std::chrono::milliseconds limit) override {
    if (overrun) {
      overrun = false;
      return std::nullopt;
    }
    return delegate_ != nullptr ? delegate_->Wait(process, limit) : std::optional<int>(exitStatus);
  }
  void Kill(ProcessId process) override {
    ++kills;
    if (delegate_ != nullptr) delegate_->Kill(process);
  }
  void Sleep(std::chrono::milliseconds duration) override {
    if (delegate_ != nullptr) delegate_->Sleep(duration);
  }

  ProcessId Self() override { return self; }
  bool IsRunning(ProcessId process) override { return process == self; }

  std::map<std::string, std::string> env;
  // Paths of the programs on PATH, in PATH order.
  std::vector<std::string> programs;
  bool windowsPrograms = false;
  ProcessId self = 1;
  std::vector<std::vector<std::string>> started;
  bool startable = true;
  int exitStatus = 0;
  bool overrun = false;
  int kills = 0;

 private:
  Processes* delegate_;
};

}  // namespace verbsmith::test

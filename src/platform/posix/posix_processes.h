#pragma once
// Processes on a POSIX host: environment variables from the process
// environment, children started with posix_spawnp and their end noticed at
// once through a pidfd (stepped polling where the kernel has none). A hidden
// child is a tool working for this process: it leads a process group of its
// own, which Kill ends whole, as does a fatal signal to this process (see
// temp_file_registry.h).

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace verbsmith {

class PosixProcesses : public Processes {
 public:
  PosixProcesses() = default;
  ~PosixProcesses() override;
  PosixProcesses(const PosixProcesses&) = delete;
  PosixProcesses& operator=(const PosixProcesses&) = delete;

  // "TEMP" is rarely set on a POSIX host, yet the product takes its
  // temporary directory from it. When it is unset, GetEnv("TEMP") answers
  // TMPDIR, or "/tmp" without it, and a host path in TEMP itself is given in
  // Windows form too ("/tmp" -> "Z:\tmp"), the form every product path has.
  std::optional<std::string> GetEnv(const std::string& name) override;

  // Absolute PATH entries only (relative ones depend on who starts us);
  // names compare as the file system does, with case.
  std::vector<std::string> FindPrograms(const std::string& pattern) override;
  bool RunsWindowsPrograms() const override { return false; }

  // A hidden child reads from /dev/null and writes its standard output to
  // /dev/null; its standard error stays the caller's, for diagnostics.
  // Children get TEMP and TMP as host directories (the Windows form this
  // process keeps there means nothing to a host program).
  ProcessId Start(const std::vector<std::string>& argv, bool hidden) override;
  // The exit status, or minus the signal number when a signal ended the
  // process. Asking again after it ended gives the same answer. Throws
  // VbError 5 for a process this object did not start.
  std::optional<int> Wait(ProcessId process, std::chrono::milliseconds limit) override;
  // Ends the process (a hidden one with its whole group) with SIGKILL and
  // reaps it; nothing happens when it has already ended.
  void Kill(ProcessId process) override;
  void Sleep(std::chrono::milliseconds duration) override;
  ProcessId Self() override;
  bool IsRunning(ProcessId process) override;

 private:
  struct Child {
    std::optional<int> status;  // once reaped
    bool ownGroup = false;
  };

  // Reaps the child without blocking; its status when it has ended.
  std::optional<int> Poll(ProcessId process);
  void Reaped(ProcessId process, Child& child, int status);

  // The children started here.
  std::map<ProcessId, Child> children_;
};

}  // namespace verbsmith

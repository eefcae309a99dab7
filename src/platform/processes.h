#pragma once
// Environment variables and child processes.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace verbsmith {

using ProcessId = int64_t;

class Processes {
 public:
  virtual ~Processes() = default;

  // The variable's value; nullopt when it is not set.
  virtual std::optional<std::string> GetEnv(const std::string& name) = 0;

  // The programs on PATH whose file names match the pattern ("*" and "?"),
  // in the order PATH gives, each as Start takes it. Where the host runs
  // Windows programs, a pattern without an extension matches the program
  // extensions of PATHEXT ("rc" finds rc.exe).
  virtual std::vector<std::string> FindPrograms(const std::string& pattern) = 0;
  // Whether a Windows program runs here as it is; elsewhere it needs Wine.
  virtual bool RunsWindowsPrograms() const = 0;

  // Starts a program without waiting. argv[0] is the program (a host path,
  // or a name looked up on PATH); hidden asks for no window. Throws VbError
  // (53 when the program cannot be found or started).
  virtual ProcessId Start(const std::vector<std::string>& argv, bool hidden) = 0;
  // Waits for the process to end, at most the limit. Its exit status, or
  // nullopt when it is still running when the limit passes.
  virtual std::optional<int> Wait(ProcessId process, std::chrono::milliseconds limit) = 0;
  // Ends a process that is still running.
  virtual void Kill(ProcessId process) = 0;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
  // This process, and whether another one is still running.
  virtual ProcessId Self() = 0;
  virtual bool IsRunning(ProcessId process) = 0;
};

}  // namespace verbsmith

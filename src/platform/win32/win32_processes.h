#pragma once
// Processes on Windows: the process environment, children started with
// CreateProcessW inside a job object, so that ending one ends whatever it
// started too, and closing this object ends every child still running.

#include <map>
#include <memory>

#include "platform/processes.h"

namespace verbsmith {

class Win32Processes : public Processes {
 public:
  Win32Processes();
  ~Win32Processes() override;
  Win32Processes(const Win32Processes&) = delete;
  Win32Processes& operator=(const Win32Processes&) = delete;

  std::optional<std::string> GetEnv(const std::string& name) override;
  // argv[0] is a path or a name looked up on PATH (".exe" added when it has
  // no extension). A hidden child gets no console window and no standard
  // input or output; its standard error stays the caller's.
  std::vector<std::string> FindPrograms(const std::string& pattern) override;
  bool RunsWindowsPrograms() const override { return true; }
  ProcessId Start(const std::vector<std::string>& argv, bool hidden) override;
  // The exit code; the same answer when asked again after it ended. Throws
  // VbError 5 for a process this object did not start.
  std::optional<int> Wait(ProcessId process, std::chrono::milliseconds limit) override;
  void Kill(ProcessId process) override;
  void Sleep(std::chrono::milliseconds duration) override;
  ProcessId Self() override;
  bool IsRunning(ProcessId process) override;

 private:
  struct Child;
  Child& Find(ProcessId process);
  // The job of this object's children.
  void* job_ = nullptr;
  std::map<ProcessId, std::unique_ptr<Child>> children_;
};

// One command line from arguments, quoted so that the C runtime's parser
// gives the same arguments back.
std::string QuotedCommandLine(const std::vector<std::string>& argv);

}  // namespace verbsmith

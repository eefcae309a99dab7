#pragma once
// What this process leaves behind if a signal ends it: the temporary files
// it has open beside their targets or in TEMP, and the process groups of
// the tools it waits for. SIGINT, SIGTERM, SIGHUP and SIGQUIT end those
// groups and remove those files before the process ends: the handler only
// kills and unlinks what is registered (async-signal-safe), restores the
// default action and raises the signal again. SIGKILL leaves the files; the
// next write into the same directory removes those of processes that no
// longer run.

#include <sys/types.h>

#include <filesystem>

namespace verbsmith {

// Installs the handler for those signals once, unless a signal is ignored
// (a background job keeps ignoring it).
void InstallTempFileCleanup();

// Registers a temporary file for the span of its life.
class RegisteredTempFile {
 public:
  explicit RegisteredTempFile(const std::filesystem::path& path);
  ~RegisteredTempFile();
  RegisteredTempFile(const RegisteredTempFile&) = delete;
  RegisteredTempFile& operator=(const RegisteredTempFile&) = delete;

 private:
  int slot_;  // -1 when every slot was taken: the file is then not covered
};

// A child leading a process group of its own, ended with SIGKILL by the
// handler until it is forgotten (once reaped: its number may be reused).
void RegisterChildGroup(pid_t group);
void ForgetChildGroup(pid_t group);

// The name of a temporary file for pid and number: ".~vs<pid>-<number>.tmp"
// in upper-case hexadecimal.
std::string TempFileName(unsigned long pid, unsigned long number);

// Removes the temporary files of processes that no longer run from the
// directory: what a killed run left behind.
void RemoveStaleTempFiles(const std::filesystem::path& directory);

}  // namespace verbsmith

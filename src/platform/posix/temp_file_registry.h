#pragma once
// The temporary files this process has open beside their targets, so that
// SIGINT and SIGTERM remove them before the process ends: the handler only
// unlinks the registered names (async-signal-safe), restores the default
// action and raises the signal again. SIGKILL leaves them; the next write
// into the same directory removes those of processes that no longer run.

#include <filesystem>

namespace verbsmith {

// Installs the handler for SIGINT and SIGTERM once, unless the signal is
// ignored (a background job keeps ignoring it).
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

// The name of a temporary file for pid and number: ".~vs<pid>-<number>.tmp"
// in upper-case hexadecimal.
std::string TempFileName(unsigned long pid, unsigned long number);

// Removes the temporary files of processes that no longer run from the
// directory: what a killed run left behind.
void RemoveStaleTempFiles(const std::filesystem::path& directory);

}  // namespace verbsmith

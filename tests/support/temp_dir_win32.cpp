#include <windows.h>

#include <stdexcept>
#include <string>
#include <system_error>

#include "support/temp_dir.h"

namespace verbsmith::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  for (unsigned attempt = 0;; ++attempt) {
    const fs::path candidate =
        fs::temp_directory_path() / ("verbsmith-" + std::to_string(GetCurrentProcessId()) + "-" +
                                     std::to_string(GetTickCount() + attempt));
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = fs::canonical(candidate);
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 1000) {
      throw std::runtime_error("cannot make temporary directory " + candidate.string());
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Read-only files must not keep the tree alive.
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  fs::remove_all(path_, ignored);
}

// On Windows the host's name is the product's.
std::string TempDir::WindowsPath() const {
  return path_.string();
}

}  // namespace verbsmith::test

#include "platform/posix/executable_directory.h"

#include <system_error>

namespace verbsmith {

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path();
}

}  // namespace verbsmith

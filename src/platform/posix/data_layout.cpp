#include "platform/posix/data_layout.h"

#include <system_error>

namespace verbsmith {

namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool IsDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

std::string DataLayout::KindName() const {
  switch (kind) {
    case DataLayoutKind::kBuildTree:
      return "build tree";
    case DataLayoutKind::kInstalledTree:
      return "installed tree";
    case DataLayoutKind::kBesideExecutable:
      return "beside the executable";
    case DataLayoutKind::kNotFound:
      break;
  }
  return "not found";
}

DataLayout FindDataLayout(const std::filesystem::path& executableDirectory) {
  const std::filesystem::path parent = executableDirectory.parent_path();
  if (IsFile(parent / "CMakeCache.txt") && IsDirectory(executableDirectory / "Templates")) {
    return {DataLayoutKind::kBuildTree, executableDirectory};
  }
  if (const std::filesystem::path installed = parent / kInstalledAddInDirectory;
      IsDirectory(installed / "Templates")) {
    return {DataLayoutKind::kInstalledTree, installed};
  }
  if (IsDirectory(executableDirectory / "Templates"))
    return {DataLayoutKind::kBesideExecutable, executableDirectory};
  return {DataLayoutKind::kNotFound, executableDirectory};
}

}  // namespace verbsmith

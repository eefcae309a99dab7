#include "platform/win32/win32_file_error.h"

#include "platform/win32/windows_api.h"

namespace verbsmith {

int32_t VbFileErrorOfCode(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      return vberr::kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
      return vberr::kPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return vberr::kPermissionDenied;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_CANT_RESOLVE_FILENAME:
      return vberr::kPathFileAccessError;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NO_UNICODE_TRANSLATION:
      return vberr::kBadFileNameOrNumber;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
      return vberr::kDiskFull;
    default:
      return vberr::kDeviceIoError;
  }
}

void ThrowLastFileError() {
  ThrowFileError(VbFileErrorOfCode(GetLastError()));
}

void ThrowFileError(int32_t number) {
  throw VbError::Standard(number, "Verbsmith");
}

}  // namespace verbsmith

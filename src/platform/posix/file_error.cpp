#include "platform/posix/file_error.h"

#include <cerrno>

namespace verbsmith {

int32_t VbFileErrorNumber(int errnoValue, Missing whenNotFound) {
  switch (errnoValue) {
    case ENOENT:
      return whenNotFound == Missing::kFile ? vberr::kFileNotFound : vberr::kPathNotFound;
    case ENOTDIR:
      return vberr::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return vberr::kPermissionDenied;
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case EBUSY:
    case ETXTBSY:
    case ELOOP:
      return vberr::kPathFileAccessError;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return vberr::kBadFileNameOrNumber;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return vberr::kDiskFull;
    default:
      return vberr::kDeviceIoError;
  }
}

VbError VbFileError(int errnoValue, Missing whenNotFound) {
  return VbFileErrorOfNumber(VbFileErrorNumber(errnoValue, whenNotFound));
}

VbError VbFileErrorOfNumber(int32_t number) {
  return VbError::Standard(number, kFileErrorSource);
}

}  // namespace verbsmith

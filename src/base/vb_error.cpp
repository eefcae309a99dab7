#include "base/vb_error.h"

#include <utility>

namespace verbsmith {

std::string VbErrorText(int32_t number) {
  switch (number) {
    case vberr::kInvalidProcedureCall:
      return "Invalid procedure call or argument";
    case vberr::kOutOfMemory:
      return "Out of memory";
    case vberr::kSubscriptOutOfRange:
      return "Subscript out of range";
    case vberr::kBadFileNameOrNumber:
      return "Bad file name or number";
    case vberr::kFileNotFound:
      return "File not found";
    case vberr::kBadFileMode:
      return "Bad file mode";
    case vberr::kFileAlreadyOpen:
      return "File already open";
    case vberr::kDeviceIoError:
      return "Device I/O error";
    case vberr::kFileAlreadyExists:
      return "File already exists";
    case vberr::kDiskFull:
      return "Disk full";
    case vberr::kInputPastEnd:
      return "Input past end of file";
    case vberr::kBadFileName:
      return "Bad file name";
    case vberr::kPermissionDenied:
      return "Permission denied";
    case vberr::kDiskNotReady:
      return "Disk not ready";
    case vberr::kPathFileAccessError:
      return "Path/File access error";
    case vberr::kPathNotFound:
      return "Path not found";
    case vberr::kObjectVariableNotSet:
      return "Object variable or With block variable not set";
    case vberr::kObjectRequired:
      return "Object required";
    case vberr::kCannotCreateObject:
      return "ActiveX component can't create object";
    default:
      return "Application-defined or object-defined error";
  }
}

VbError::VbError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

VbError VbError::Standard(int32_t number, std::string source) {
  return VbError(number, std::move(source), VbErrorText(number));
}

void ErrObject::Set(const VbError& error) {
  Set(error.Number(), error.Source(), error.Description());
}

void ErrObject::Set(int32_t number, std::string source, std::string description) {
  number_ = number;
  source_ = std::move(source);
  description_ = std::move(description);
}

void ErrObject::Clear() {
  Set(0, "", "");
}

}  // namespace verbsmith

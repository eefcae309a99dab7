#pragma once
// The run-time error model the product is written against: an error has a
// number, a source and a description, like Visual Basic's Err object.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace verbsmith {

// Visual Basic's own numbers for the failures the product tells apart.
namespace vberr {
inline constexpr int32_t kBadFileNameOrNumber = 52;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kBadFileMode = 54;
inline constexpr int32_t kFileAlreadyOpen = 55;
inline constexpr int32_t kDeviceIoError = 57;
inline constexpr int32_t kFileAlreadyExists = 58;
inline constexpr int32_t kDiskFull = 61;
inline constexpr int32_t kInputPastEnd = 62;
inline constexpr int32_t kBadFileName = 64;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kDiskNotReady = 71;
inline constexpr int32_t kPathFileAccessError = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kInvalidProcedureCall = 5;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;

// Application-defined errors are raised as vbObjectError + n.
inline constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);
// E_FAIL, the generic system failure.
inline constexpr int32_t kSystemFailure = static_cast<int32_t>(0x80004005u);
}  // namespace vberr

// The text Visual Basic gives its own numbered errors.
std::string VbErrorText(int32_t number);

// Thrown where Visual Basic would raise a run-time error.
class VbError : public std::runtime_error {
 public:
  VbError(int32_t number, std::string source, std::string description);
  // An error with Visual Basic's own text for the number.
  static VbError Standard(int32_t number, std::string source = "Verbsmith");

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// The session's current error. Operations that "record" an error set it
// without interrupting anybody; nothing in the product reads it back except
// the error report, which looks at the number.
class ErrObject {
 public:
  void Set(const VbError& error);
  void Set(int32_t number, std::string source, std::string description);
  void Clear();

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_ = 0;
  std::string source_;
  std::string description_;
};

}  // namespace verbsmith

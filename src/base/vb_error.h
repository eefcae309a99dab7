#pragma once
// The run-time error model the product is written against: an error has a
// number, a source and a description, like Visual Basic's Err object.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace verbsmith {

// Every error number the product raises or records, in one table.

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
inline constexpr int32_t kDeviceUnavailable = 68;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kDiskNotReady = 71;
inline constexpr int32_t kPathFileAccessError = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectVariableNotSet = 91;
inline constexpr int32_t kInvalidPropertyValue = 380;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kInvalidProcedureCall = 5;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
// An image list's ListImages(index) outside 1 .. count.
inline constexpr int32_t kIndexOutOfBounds = 35600;

// Application-defined errors are raised as vbObjectError + n.
inline constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);
// E_FAIL, the generic system failure.
inline constexpr int32_t kSystemFailure = static_cast<int32_t>(0x80004005u);

// The product's own run-time errors.
inline constexpr int32_t kNoResourceCompiler = kObjectErrorBase + 22500;
inline constexpr int32_t kResourceCompilerFailed = kObjectErrorBase + 22501;
// A form position outside 0 to 3.
inline constexpr int32_t kInvalidFormPosition = kObjectErrorBase + 22503;

// Recorded when InitializeObjects finds a member of the connection object
// missing.
inline constexpr int32_t kNoConnection = 22506;
inline constexpr int32_t kNoGenMgr = 22507;
inline constexpr int32_t kNoClassMgr = 22508;
inline constexpr int32_t kNoFormMgr = 22509;
inline constexpr int32_t kNoModuleMgr = 22510;
inline constexpr int32_t kNoBitmapMgr = 22511;
inline constexpr int32_t kNoVBInst = 22512;
}  // namespace vberr

// The command set's errors (source "CommandSet").
namespace cmdseterr {
inline constexpr int32_t kBase = static_cast<int32_t>(0x80041000u);
// An operation other than OpenCommandSet came before OpenCommandSet.
inline constexpr int32_t kNotOpen = kBase + 1;
// The database file could not be opened or created.
inline constexpr int32_t kCannotOpen = kBase + 2;
// The file is not an SQLite database, or is one that is damaged.
inline constexpr int32_t kDamaged = kBase + 3;
// The file is an SQLite database of some other program.
inline constexpr int32_t kForeign = kBase + 4;
// The file is a command-set database of a schema version this build does
// not know.
inline constexpr int32_t kUnsupportedVersion = kBase + 5;
// GetCommand was given an index outside 0 .. CommandCount - 1.
inline constexpr int32_t kBadIndex = kBase + 6;
// RemoveCommand was given a ProgID that is not registered.
inline constexpr int32_t kNoSuchCommand = kBase + 7;
// The set already holds as many entries as a 16-bit count can tell.
inline constexpr int32_t kSetFull = kBase + 8;
// Any other failure of the database while reading or writing.
inline constexpr int32_t kStorage = kBase + 9;
// Another program held the database for longer than the wait allows.
inline constexpr int32_t kBusy = kBase + 10;
}  // namespace cmdseterr

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

  // The numbers of the errors reported to the user since the last
  // ForgetReported: a flow learns from them whether a stage, which reports
  // its own failures and returns normally, has failed.
  void NoteReported() { reported_.push_back(number_); }
  const std::vector<int32_t>& Reported() const { return reported_; }
  void ForgetReported() { reported_.clear(); }

 private:
  int32_t number_ = 0;
  std::string source_;
  std::string description_;
  std::vector<int32_t> reported_;
};

}  // namespace verbsmith

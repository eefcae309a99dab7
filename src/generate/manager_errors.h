#pragma once
// The errors a manager records when InitializeObjects finds a member of the
// connection object missing. Recording sets the session's current error and
// interrupts nothing.

#include <cstdint>
#include <string_view>

#include "base/vb_error.h"

namespace verbsmith {

struct ManagerError {
  int32_t number;
  int messageId;  // string-table text
};

namespace mgrerr {
inline constexpr ManagerError kNoConnection{22506, 6};
inline constexpr ManagerError kNoGenMgr{22507, 5};
inline constexpr ManagerError kNoClassMgr{22508, 1};
inline constexpr ManagerError kNoFormMgr{22509, 3};
inline constexpr ManagerError kNoModuleMgr{22510, 2};
inline constexpr ManagerError kNoBitmapMgr{22511, 4};
inline constexpr ManagerError kNoVBInst{22512, 156};
}  // namespace mgrerr

// vbObjectError + 22503: a form position outside 0 to 3.
inline constexpr int32_t kInvalidFormPositionError = vberr::kObjectErrorBase + 22503;

// Sets err to the error with its string-table text and the given source.
void RecordManagerError(ErrObject& err, std::string_view source, ManagerError error);

// Visual Basic's error 91, raised when a manager is used before
// InitializeObjects gave it the objects it works with.
VbError ObjectNotSet(std::string_view source);

}  // namespace verbsmith

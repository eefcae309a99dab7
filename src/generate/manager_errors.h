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
inline constexpr ManagerError kNoConnection{vberr::kNoConnection, 6};
inline constexpr ManagerError kNoGenMgr{vberr::kNoGenMgr, 5};
inline constexpr ManagerError kNoClassMgr{vberr::kNoClassMgr, 1};
inline constexpr ManagerError kNoFormMgr{vberr::kNoFormMgr, 3};
inline constexpr ManagerError kNoModuleMgr{vberr::kNoModuleMgr, 2};
inline constexpr ManagerError kNoBitmapMgr{vberr::kNoBitmapMgr, 4};
inline constexpr ManagerError kNoVBInst{vberr::kNoVBInst, 156};
}  // namespace mgrerr

// Sets err to the error with its string-table text and the given source.
void RecordManagerError(ErrObject& err, std::string_view source, ManagerError error);

// Visual Basic's "object variable not set", raised when a manager is used
// before InitializeObjects gave it the objects it works with.
VbError ObjectNotSet(std::string_view source);

}  // namespace verbsmith

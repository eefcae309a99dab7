#pragma once
// Windows error codes turned into the Visual Basic file errors the product
// decides on, the same numbers the POSIX adapter gives for the same
// failures.

#include <cstdint>

#include "base/vb_error.h"

namespace verbsmith {

int32_t VbFileErrorOfCode(unsigned long code);

// The error to throw for the calling thread's last error.
[[noreturn]] void ThrowLastFileError();
// The error to throw for a failure found by the adapter itself.
[[noreturn]] void ThrowFileError(int32_t number);

}  // namespace verbsmith

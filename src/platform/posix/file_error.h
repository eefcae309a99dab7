#pragma once
// Host error codes turned into the Visual Basic file errors the product
// decides on.

#include <cstdint>

#include "base/vb_error.h"

namespace verbsmith {

// The source every file error carries.
inline constexpr const char* kFileErrorSource = "Verbsmith";

// What a "no such file or directory" means for the operation at hand: the
// named file itself is missing (53), or a directory on its way is (76).
enum class Missing { kFile, kPath };

// The Visual Basic error number for an errno value.
int32_t VbFileErrorNumber(int errnoValue, Missing whenNotFound);

// The error to throw for an errno value, with Visual Basic's own text.
VbError VbFileError(int errnoValue, Missing whenNotFound);

// The error to throw for a failure found by the adapter itself.
VbError VbFileErrorOfNumber(int32_t number);

}  // namespace verbsmith

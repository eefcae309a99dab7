#pragma once
// The string table: every numbered user-visible message, verbatim.

#include <string>

namespace verbsmith {

// The message with this number. An unknown number is a programming error:
// it throws std::out_of_range.
const std::string& LoadResString(int id);

}  // namespace verbsmith

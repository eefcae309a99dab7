#pragma once
// A file given as "-" on the command line: standard input, read whole.

#include <cstddef>
#include <optional>
#include <string>

namespace verbsmith::app {

// The bytes of standard input up to its end; nullopt when there are more
// than limit.
std::optional<std::string> ReadStandardInput(std::size_t limit);

}  // namespace verbsmith::app

#pragma once
// Where the running executable lives: the add-in's own files (Templates,
// help) are installed beside it.

#include <filesystem>

namespace verbsmith {

// The executable's directory as a host path; empty when the system does
// not tell.
std::filesystem::path ExecutableDirectory();

}  // namespace verbsmith

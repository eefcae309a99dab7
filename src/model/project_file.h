#pragma once
// Reading a project's name from its project file.

#include <string>

#include "platform/host.h"

namespace verbsmith {

// The value of the first line that starts with "Name=", without its
// surrounding double quotes; empty when there is none. A failure is shown
// through ReportError and gives what was found before it.
std::string ProjectNameFromFile(Host& host, const std::string& path);

}  // namespace verbsmith

#pragma once
// The ports of a real run on this host: Windows.

#include "app/win32/win32_platform.h"

namespace verbsmith::app {
using HostPlatform = Win32Platform;
using HostProcesses = Win32Processes;
}  // namespace verbsmith::app

#pragma once
// The ports of a real run on this host: POSIX.

#include "app/posix_platform.h"

namespace verbsmith::app {
using HostPlatform = PosixPlatform;
using HostProcesses = PosixProcesses;
// Standard output and error carry bytes as they are already.
inline void PrepareStandardStreams() {}
}  // namespace verbsmith::app

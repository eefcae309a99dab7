#pragma once
// Lookups that follow a registered ProgID to its class registration: the
// server file that implements the class and the class description. Each
// failure is shown to the user and answered with the text "Error".

#include <string>

#include "platform/host.h"

namespace verbsmith {

// What both lookups answer when they fail.
inline constexpr const char* kRegistryLookupError = "Error";

// The full path of the in-process (else local) server registered for the
// ProgID's class.
std::string ServerPathFromProgID(Host& host, const std::string& progId);

// The description registered for the ProgID's class.
std::string DescriptionFromProgID(Host& host, const std::string& progId);

}  // namespace verbsmith

#pragma once
// What compiling a command project in Visual Basic registers for its class
// (its ProgID, class identifier and the DLL that serves it), as a regedit
// file the product reads as registry: an edit of the command finds its
// project through it.

#include <string>

namespace verbsmith::app {

// The regedit file's text; dll in Windows form.
std::string ClassRegistration(const std::string& progId, const std::string& classId, const std::string& dll);

// A class identifier of the ProgID's own, the same on every run, in braces.
std::string ClassIdOf(const std::string& progId);

}  // namespace verbsmith::app

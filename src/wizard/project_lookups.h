#pragma once
// Two lookups that fall back on the chooser dialog frmMultiCmd, a new one
// for each call, when they find more than one candidate. Neither shows a
// message when nothing is found: they return an empty text.

#include <string>

#include "forms/forms_runtime.h"
#include "platform/host.h"

namespace verbsmith {

// The registered class name (ProgID) that contains text (case-sensitive):
// empty when none does, the name when exactly one does, the user's choice
// when several do.
std::string FindProgID(Host& host, forms::FormsRuntime& runtime, std::string& text);

// The project file (name only) matching pattern, such as a directory and
// "\src\*.vbp": empty when none matches, the only one, or the user's choice
// when several match.
std::string ChooseProjectFile(Host& host, forms::FormsRuntime& runtime, const std::string& pattern);

}  // namespace verbsmith

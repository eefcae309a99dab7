#pragma once
// What a run of `verbsmith new` made, as its user reads it: Finish's words,
// the project directory, the ProgID and every file, by host path, for
// people or as JSON; and the class registration a new project needs before
// its command can be edited.

#include <optional>
#include <string>
#include <vector>

#include "managers/manifest.h"
#include "platform/host.h"
#include "wizard/wizard_answers.h"

namespace verbsmith::app {

// What Finish made: the manifest it left beside the recap, found by the
// class file the recap lists.
struct Made {
  std::string manifestPath;
  Manifest manifest;
};

// The manifest of the class file the recap lists; nothing when the recap
// lists none (a delete run, an add run of another project) or it cannot be
// read.
std::optional<Made> WhatWasMade(Host& host, const std::vector<std::string>& recap);

// Writes bin\PROJECT.reg, what compiling the new project in Visual Basic
// would register, so that the command can be edited before it is built.
// Its path, or nothing when it could not be written (said on standard error).
std::optional<std::string> WriteRegistration(Host& host, const Made& made);

// On standard output; messages are Finish's.
void PrintMade(Host& host, bool json, const WizardAnswers& answers, const std::vector<std::string>& messages,
               const std::optional<Made>& made, const std::optional<std::string>& registration);

}  // namespace verbsmith::app

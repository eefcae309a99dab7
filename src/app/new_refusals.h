#pragma once
// Why a run of `verbsmith new` stopped, as its user reads it: each thing
// the wizard said or refused, on its step with the answer it concerns; and
// the required answers that are missing.

#include <string>
#include <vector>

#include "platform/host.h"
#include "wizard/answered_run.h"
#include "wizard/wizard_answers.h"

namespace verbsmith::app {

// The answers the wizard has no default for, by purpose, that the answers
// leave out.
std::vector<std::string> MissingAnswers(const WizardAnswers& answers);

// One line each, in order. A command name the command-name step has not
// listed is said with the commands registered for the company and
// application.
std::vector<std::string> Refusals(Host& host, const WizardAnswers& answers,
                                  const std::vector<RunNotice>& notices);

}  // namespace verbsmith::app

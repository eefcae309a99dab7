#pragma once
// Answers turned into the wizard's own script (the language of `verbsmith
// run`): each step the answers lead through gets its fields filled and its
// Next button pressed, in the order the step graph takes them, and Finish's
// questions are answered as the answers say. The wizard then makes the same
// checks, and the same refusals, as for a person at the window.

#include <string>

#include "wizard/wizard_answers.h"

namespace verbsmith {

std::string AnswersScript(const WizardAnswers& answers);

}  // namespace verbsmith

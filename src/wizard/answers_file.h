#pragma once
// Answers read from JSON: an object whose keys name the wizard's fields
// ("purpose", "company", "project name", "command name", "enabling
// conditions", ...; docs/new.md lists them all).

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "wizard/wizard_answers.h"

namespace verbsmith {

// A key the wizard has no field for, or a value of the wrong kind.
class AnswersError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

WizardAnswers ReadAnswers(const nlohmann::json& answers);

}  // namespace verbsmith

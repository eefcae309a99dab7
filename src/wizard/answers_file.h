#pragma once
// Answers read from JSON: an object whose keys name the wizard's fields
// ("purpose", "company", "project name", "command name", "enabling
// conditions", ...; docs/new.md lists them all).

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>

#include "wizard/wizard_answers.h"

namespace verbsmith {

// A key the wizard has no field for, or a value of the wrong kind.
class AnswersError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The answers' JSON text: a syntax error names its line and column, and a
// key given twice in one object is refused (a reader would keep one of the
// two silently).
nlohmann::json ParseAnswers(std::string_view text);

WizardAnswers ReadAnswers(const nlohmann::json& answers);

}  // namespace verbsmith

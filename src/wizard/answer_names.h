#pragma once
// How a run on answers names what a step refused to its user: the step by
// what it asks, and a control by the answer that fills it.

#include <string>
#include <string_view>

namespace verbsmith {

// "the project step", for the step's frame (fraProjName); the frame itself
// for one the wizard does not have.
std::string StepNameOfFrame(std::string_view frame);

// The answer (as the answers file names it) that fills the control; empty
// for a control no answer fills (a button).
std::string_view AnswerOfControl(std::string_view control);

}  // namespace verbsmith

#pragma once
// Where Next and Back lead from each step. The whole graph is one table of
// rows (from, button, condition, to); the first row whose condition holds
// is taken, so a reader can hold the table against the wizard's design.

#include <cstdint>

#include "wizard/step.h"

namespace verbsmith {

// What the graph's conditions read, taken from the command specification
// and the window's controls at the moment a button is pressed.
struct GraphState {
  int32_t purpose = 0;              // WizardPurpose
  int32_t projectType = -1;         // ProjectType
  bool modeless = false;            // CommandIsModeless
  bool listener = false;            // IsMapViewListener
  bool customBitmaps = false;       // ResourceType is 1
  bool noForm = false;              // chkNoForm checked
  bool listenerBoxChecked = false;  // chkModelessMapViewListener checked
  bool deleteSelected = false;      // optDeleteCommand selected
};

// The step a button leads to. Every (step, button) pair a step offers has a
// row for every state; asking for one it does not offer is a programming
// error (std::logic_error).
Step NextStep(Step from, Direction button, const GraphState& state);

}  // namespace verbsmith

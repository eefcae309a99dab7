#pragma once
// A group of the wizard's steps that belong together (the start and project
// steps, the bitmap steps, ...). A group builds its steps' frames on the
// window, wires their controls, and enters and leaves its steps when the
// window's graph moves there. Each group lives in its own file.

#include <array>
#include <optional>

#include "wizard/step.h"
#include "wizard/step_layout.h"

namespace verbsmith {

class FrmVerbsmith;

class StepGroup {
 public:
  explicit StepGroup(FrmVerbsmith& window) : window_(window) {}
  virtual ~StepGroup() = default;
  StepGroup(const StepGroup&) = delete;
  StepGroup& operator=(const StepGroup&) = delete;

  // Enters one of the group's steps: the common Show actions and filling
  // the controls from the command specification.
  virtual void Show(Step step, Direction direction);
  // Leaves one of the group's steps: hides its frame and stores what it
  // keeps into the specification.
  virtual void Leave(Step step);

 protected:
  // Adds a step's frame and standard controls, and remembers them. Next
  // and Back follow the graph until the group wires them otherwise.
  StepFrame& AddStep(const StepFrameDesign& design);
  StepFrame& Frame(Step step) { return *frames_.at(static_cast<size_t>(step)); }
  // The common Show actions for a step: Next (or the given button) becomes
  // the default button.
  void ShowFrame(Step step);
  void ShowFrame(Step step, forms::CommandButton& defaultButton);

  FrmVerbsmith& window_;

 private:
  std::array<std::optional<StepFrame>, kStepCount> frames_;
};

}  // namespace verbsmith

#pragma once
// The wizard's twelve steps, and the direction in which a step is entered.

#include <cstdint>
#include <string_view>

namespace verbsmith {

enum class Step : uint8_t {
  kIntro,
  kProjName,
  kCmdName,
  kAddBMP,
  kCustomBMP,
  kComClass,
  kFormName,
  kModeless,
  kListener,
  kCommandType,
  kEnablingConditions,
  kFinish,
};
inline constexpr int kStepCount = 12;

// The button that moved the wizard; steps that show differently by
// direction are told which one it was.
enum class Direction : uint8_t { kNext, kBack };

// The step's frame on the wizard window.
std::string_view StepFrameName(Step step);

}  // namespace verbsmith

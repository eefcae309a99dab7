#include "wizard/step.h"

#include <array>

namespace verbsmith {

std::string_view StepFrameName(Step step) {
  static constexpr std::array<std::string_view, kStepCount> kFrames = {
      "fraIntro",       "fraProjName",           "fraCmdName",
      "fraAddBMP",      "fraCustomBMP",          "fraCommandClassification",
      "fraFormName",    "fraModeless",           "fraListeners",
      "fraCommandType", "fraEnablingConditions", "fraFinish"};
  return kFrames.at(static_cast<size_t>(step));
}

}  // namespace verbsmith

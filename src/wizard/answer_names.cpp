#include "wizard/answer_names.h"

#include <array>
#include <utility>

#include "model/masks.h"
#include "wizard/step.h"

namespace verbsmith {

std::string StepNameOfFrame(std::string_view frame) {
  static constexpr std::array<std::string_view, kStepCount> kNames = {"start",
                                                                      "project",
                                                                      "command-name",
                                                                      "bitmap",
                                                                      "custom-bitmaps",
                                                                      "kind",
                                                                      "form",
                                                                      "modeless",
                                                                      "listener",
                                                                      "listener-command-type",
                                                                      "enabling-conditions",
                                                                      "Finish"};
  for (int step = 0; step < kStepCount; ++step) {
    if (StepFrameName(static_cast<Step>(step)) == frame)
      return "the " + std::string(kNames.at(step)) + " step";
  }
  return std::string(frame);
}

std::string_view AnswerOfControl(std::string_view control) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 32> kAnswers = {{
      {"optCreateProject", "purpose"},
      {"optEditCommand", "purpose"},
      {"optDeleteCommand", "purpose"},
      {"optAddCommand", "purpose"},
      {"optVBProject", "project type"},
      {"optVCProject", "project type"},
      {"Text4", "company"},
      {"Text3", "application"},
      {"txtProjName", "project name"},
      {"dirProjLoc", "location"},
      {"txtNewSubDirName", "subdirectory"},
      {"txtCmdName", "command name"},
      {"cboCmdName", "command name"},
      {"txtCmdDescription", "description"},
      {"txtCmdToolTip", "tool tip"},
      {"lstMultiCmd", "class"},
      {"optNoBMP", "bitmaps"},
      {"optCustomBMP", "bitmaps"},
      {"txtLCCustomBMPName", "large colour bitmap"},
      {"txtLMCustomBMPName", "large monochrome bitmap"},
      {"txtSCCustomBMPName", "small colour bitmap"},
      {"txtSMCustomBMPName", "small monochrome bitmap"},
      {"optComClassModal", "kind"},
      {"optComClassModeless", "kind"},
      {"chkNoForm", "form"},
      {"txtFormName", "form name"},
      {"OptNeverShown", "form position"},
      {"OptScreenCentered", "form position"},
      {"OptAppCentered", "form position"},
      {"OptAsDesigned", "form position"},
      {"chkModelessMapViewListener", "map view listener"},
      {"chkTellMeAboutNewViews", "tell me about new views"},
  }};
  for (const auto& [name, answer] : kAnswers) {
    if (name == control) return answer;
  }
  for (const auto& option : masks::kListenerOptions) {
    if (option.option == control) return "listener option";
  }
  for (const auto& option : masks::kCommandTypeOptions) {
    if (option.option == control) return "listener command type";
  }
  if (control == masks::kCustomEnablingCheckBox) return "enabling conditions";
  for (const auto& condition : masks::kEnablingConditions) {
    if (condition.checkBox == control) return "enabling conditions";
  }
  return {};
}

}  // namespace verbsmith

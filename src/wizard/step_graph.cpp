#include "wizard/step_graph.h"

#include <array>
#include <stdexcept>
#include <string>

#include "connection/connection.h"

namespace verbsmith {

namespace {

enum class Is : uint8_t { kAny, kYes, kNo };

constexpr bool Holds(Is want, bool value) {
  return want == Is::kAny || (want == Is::kYes) == value;
}

// Purposes as a set of bits.
constexpr uint8_t Bit(int32_t purpose) {
  return static_cast<uint8_t>(1u << purpose);
}
constexpr uint8_t kCreate = Bit(purpose::kCreate);
constexpr uint8_t kEdit = Bit(purpose::kEdit);
constexpr uint8_t kDelete = Bit(purpose::kDelete);
constexpr uint8_t kAdd = Bit(purpose::kAdd);
constexpr uint8_t kAnyPurpose = 0xFF;
constexpr int32_t kAnyType = -2;

// A row's condition: every field must hold. "M and no form" is the state
// the form step and the enabling-conditions step test together.
struct When {
  uint8_t purposes = kAnyPurpose;
  int32_t projectType = kAnyType;
  Is modeless = Is::kAny;
  Is listener = Is::kAny;
  Is customBitmaps = Is::kAny;
  Is modelessWithForm = Is::kAny;
  Is listenerBox = Is::kAny;
  Is deleteSelected = Is::kAny;
  Is otherProject = Is::kAny;  // ProjectType is 1

  constexpr bool HoldsFor(const GraphState& s) const {
    const bool purposeMatches = s.purpose >= 0 && s.purpose < 8 && (purposes & Bit(s.purpose)) != 0;
    return purposeMatches && (projectType == kAnyType || projectType == s.projectType) &&
           Holds(modeless, s.modeless) && Holds(listener, s.listener) &&
           Holds(customBitmaps, s.customBitmaps) && Holds(modelessWithForm, s.modeless && !s.noForm) &&
           Holds(listenerBox, s.listenerBoxChecked) && Holds(deleteSelected, s.deleteSelected) &&
           Holds(otherProject, s.projectType == projecttype::kOther);
  }
};

struct Row {
  Step from;
  Direction button;
  When when;
  Step to;
};

using enum Step;
constexpr Direction kNext = Direction::kNext;
constexpr Direction kBack = Direction::kBack;
constexpr uint8_t kNotAdd = kCreate | kEdit | kDelete;
constexpr uint8_t kNotEdit = kCreate | kDelete | kAdd;

// clang-format off
constexpr std::array kGraph = {
    // Next buttons, after the step's own checks passed.
    Row{kIntro, kNext, {.purposes = kCreate}, kProjName},
    Row{kIntro, kNext, {.purposes = kAdd, .projectType = projecttype::kVisualBasic}, kProjName},
    Row{kIntro, kNext, {.purposes = kAdd, .projectType = projecttype::kOther}, kCmdName},
    Row{kIntro, kNext, {.purposes = kEdit | kDelete}, kCmdName},
    Row{kProjName, kNext, {}, kCmdName},
    Row{kCmdName, kNext, {.purposes = kAdd}, kComClass},
    Row{kCmdName, kNext, {}, kAddBMP},
    Row{kAddBMP, kNext, {.customBitmaps = Is::kYes}, kCustomBMP},
    Row{kAddBMP, kNext, {.purposes = kEdit, .listener = Is::kYes}, kListener},
    Row{kAddBMP, kNext, {.purposes = kEdit, .listener = Is::kNo}, kEnablingConditions},
    Row{kAddBMP, kNext, {.purposes = kNotEdit}, kComClass},
    Row{kCustomBMP, kNext, {.purposes = kEdit, .listener = Is::kYes}, kListener},
    Row{kCustomBMP, kNext, {.purposes = kEdit, .listener = Is::kNo}, kEnablingConditions},
    Row{kCustomBMP, kNext, {.purposes = kNotEdit}, kComClass},
    Row{kComClass, kNext, {.purposes = kNotAdd}, kFormName},
    Row{kComClass, kNext, {.purposes = kAdd, .modeless = Is::kYes}, kModeless},
    Row{kComClass, kNext, {.purposes = kAdd, .modeless = Is::kNo}, kEnablingConditions},
    Row{kFormName, kNext, {.modelessWithForm = Is::kNo}, kEnablingConditions},
    Row{kFormName, kNext, {.modelessWithForm = Is::kYes}, kModeless},
    Row{kModeless, kNext, {.listenerBox = Is::kYes}, kListener},
    Row{kModeless, kNext, {}, kEnablingConditions},
    Row{kListener, kNext, {.listener = Is::kYes}, kCommandType},
    Row{kListener, kNext, {.listener = Is::kNo}, kFinish},
    Row{kCommandType, kNext, {.listener = Is::kYes}, kEnablingConditions},
    Row{kCommandType, kNext, {.listener = Is::kNo}, kFinish},
    Row{kEnablingConditions, kNext, {}, kFinish},

    // Back buttons.
    Row{kProjName, kBack, {}, kIntro},
    Row{kCmdName, kBack, {.purposes = kCreate | kAdd, .otherProject = Is::kNo}, kProjName},
    Row{kCmdName, kBack, {}, kIntro},
    Row{kAddBMP, kBack, {}, kCmdName},
    Row{kCustomBMP, kBack, {}, kAddBMP},
    Row{kComClass, kBack, {.purposes = kAdd}, kCmdName},
    Row{kComClass, kBack, {.customBitmaps = Is::kYes}, kCustomBMP},
    Row{kComClass, kBack, {.customBitmaps = Is::kNo}, kAddBMP},
    Row{kFormName, kBack, {}, kComClass},
    Row{kModeless, kBack, {.purposes = kNotAdd}, kFormName},
    Row{kModeless, kBack, {.purposes = kAdd}, kComClass},
    Row{kListener, kBack, {.purposes = kNotEdit}, kModeless},
    Row{kListener, kBack, {.purposes = kEdit, .customBitmaps = Is::kYes}, kCustomBMP},
    Row{kListener, kBack, {.purposes = kEdit, .customBitmaps = Is::kNo}, kAddBMP},
    Row{kCommandType, kBack, {}, kListener},
    Row{kEnablingConditions, kBack, {.purposes = kEdit, .listener = Is::kYes}, kCommandType},
    Row{kEnablingConditions, kBack, {.purposes = kEdit, .listener = Is::kNo, .customBitmaps = Is::kYes}, kCustomBMP},
    Row{kEnablingConditions, kBack, {.purposes = kEdit, .listener = Is::kNo, .customBitmaps = Is::kNo}, kAddBMP},
    Row{kEnablingConditions, kBack, {.purposes = kAdd, .modeless = Is::kYes, .listener = Is::kYes}, kCommandType},
    Row{kEnablingConditions, kBack, {.purposes = kAdd, .modeless = Is::kYes, .listener = Is::kNo}, kModeless},
    Row{kEnablingConditions, kBack, {.purposes = kAdd, .modeless = Is::kNo}, kComClass},
    Row{kEnablingConditions, kBack, {.purposes = kCreate, .modelessWithForm = Is::kNo}, kFormName},
    Row{kEnablingConditions, kBack, {.purposes = kCreate, .listener = Is::kYes, .modelessWithForm = Is::kYes}, kCommandType},
    Row{kEnablingConditions, kBack, {.purposes = kCreate, .listener = Is::kNo, .modelessWithForm = Is::kYes}, kModeless},
    Row{kFinish, kBack, {.deleteSelected = Is::kYes}, kIntro},
    Row{kFinish, kBack, {}, kEnablingConditions},
};
// clang-format on

}  // namespace

Step NextStep(Step from, Direction button, const GraphState& state) {
  for (const Row& row : kGraph) {
    if (row.from == from && row.button == button && row.when.HoldsFor(state)) return row.to;
  }
  throw std::logic_error("no transition from " + std::string(StepFrameName(from)) +
                         (button == kNext ? " by Next" : " by Back"));
}

}  // namespace verbsmith

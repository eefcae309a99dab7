#include "model/masks.h"

namespace verbsmith::masks {

namespace {

constexpr std::string_view kNL = "\r\n";
constexpr std::string_view kItem = "     + ";

}  // namespace

EnablingEncoding EncodeEnablingMask(const IsChecked& isChecked) {
  EnablingEncoding result;
  result.recap = std::string(kNL) + "Command Enabling Conditions" + std::string(kNL);
  if (isChecked(kCustomEnablingCheckBox)) {
    result.mask = kCustomEnablingMask;
    result.recap += std::string(kItem) + std::string(kCustomEnablingCaption) + std::string(kNL);
    return result;
  }
  for (const EnablingCondition& condition : kEnablingConditions) {
    if (!isChecked(condition.checkBox)) continue;
    result.mask |= condition.bit;
    result.recap += std::string(kItem) + std::string(condition.caption) + std::string(kNL);
  }
  if (result.mask == 0) result.recap += std::string(kItem) + "No enabling conditions" + std::string(kNL);
  return result;
}

std::vector<std::string_view> DecodeEnablingMask(int32_t mask) {
  std::vector<std::string_view> boxes;
  if (mask == 0) return boxes;
  if (mask == kCustomEnablingMask) {
    boxes.push_back(kCustomEnablingCheckBox);
    return boxes;
  }
  for (const EnablingCondition& condition : kEnablingConditions) {
    if ((mask & condition.bit) != 0) boxes.push_back(condition.checkBox);
  }
  return boxes;
}

int32_t EncodeViewListener(const IsChecked& isSelected, int32_t previous) {
  for (const ListenerOption& option : kListenerOptions) {
    if (isSelected(option.option)) return option.value;
  }
  return previous;
}

int32_t EncodeListenerRequirements(int32_t viewListener, bool tellMeAboutNewViews) {
  return tellMeAboutNewViews ? viewListener + kNewViewsBit : viewListener;
}

std::string ListenerRequirementsRecap(const IsChecked& isChecked) {
  std::string recap = "        View Listener Requirements Features" + std::string(kNL);
  for (const ListenerOption& option : kListenerOptions) {
    if (isChecked(option.option)) {
      recap += std::string(option.recapLine) + std::string(kNL);
      break;
    }
  }
  if (isChecked(kNewViewsCheckBox))
    recap += "                + Listen for new map windows" + std::string(kNL);
  return recap;
}

ListenerChoice DecodeListenerRequirements(int32_t requirements) {
  ListenerChoice choice;
  if (requirements >= kNewViewsBit) {
    choice.newViews = true;
    requirements -= kNewViewsBit;
  }
  if (requirements >= 8) {
    choice.option = kListenerOptions[2].option;
  } else if (requirements >= 2) {
    choice.option = kListenerOptions[1].option;
  } else if (requirements == 1) {
    choice.option = kListenerOptions[0].option;
  }
  return choice;
}

int32_t EncodeCommandType(const IsChecked& isSelected, int32_t previous) {
  for (const CommandTypeOption& option : kCommandTypeOptions) {
    if (isSelected(option.option)) return option.value;
  }
  return previous;
}

std::string CommandTypeRecap(const IsChecked& isSelected) {
  std::string recap = "        View Listener Command Type Features" + std::string(kNL);
  for (const CommandTypeOption& option : kCommandTypeOptions) {
    if (isSelected(option.option)) {
      recap += std::string(option.recapLine) + std::string(kNL);
      break;
    }
  }
  return recap;
}

std::string_view DecodeCommandType(int32_t commandType) {
  if (commandType <= 0) return {};
  const int32_t value = commandType > 6 ? 6 : commandType;
  for (const CommandTypeOption& option : kCommandTypeOptions) {
    if (option.value == value) return option.option;
  }
  return {};
}

}  // namespace verbsmith::masks

#pragma once
// Which optional blocks of the command class a command gets.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace verbsmith {

// Every block the class generator may switch on, in the order it applies them.
inline constexpr std::array<std::string_view, 8> kClassBlockNames = {"Modeless",
                                                                     "ModalWithForm",
                                                                     "CenterOnScreen",
                                                                     "CenterOnApp",
                                                                     "HasForm",
                                                                     "MapViewListener",
                                                                     "CustomEnablingRequirements",
                                                                     "HasCustomStartupRequirements"};

// The parts of the command specification that switch blocks.
struct ClassBlockOptions {
  bool commandIsModeless = false;
  bool formNotRequired = false;
  int16_t formPosition = 0;
  bool isMapViewListener = false;
  int32_t commandsEnablingConditions = 0;
  int32_t viewListener = 0;
};

// The blocks to apply, in order.
std::vector<std::string_view> SelectedClassBlocks(const ClassBlockOptions& options);

}  // namespace verbsmith

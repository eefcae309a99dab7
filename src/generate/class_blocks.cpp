#include "generate/class_blocks.h"

namespace verbsmith {

namespace {

// The command-mask values that ask for the custom hooks.
constexpr int32_t kCustomEnabling = 1;
constexpr int32_t kCustomStartup = 1;

}  // namespace

std::vector<std::string_view> SelectedClassBlocks(const ClassBlockOptions& options) {
  std::vector<std::string_view> blocks;
  if (options.commandIsModeless) blocks.push_back("Modeless");
  if (!options.formNotRequired) {
    if (options.formPosition != 0) {
      blocks.push_back("ModalWithForm");
      if (options.formPosition == 1) {
        blocks.push_back("CenterOnScreen");
      } else if (options.formPosition == 2) {
        blocks.push_back("CenterOnApp");
      }
    } else {
      blocks.push_back("HasForm");
    }
  }
  if (options.isMapViewListener) blocks.push_back("MapViewListener");
  if (options.commandsEnablingConditions == kCustomEnabling) blocks.push_back("CustomEnablingRequirements");
  if (options.viewListener == kCustomStartup) blocks.push_back("HasCustomStartupRequirements");
  return blocks;
}

}  // namespace verbsmith

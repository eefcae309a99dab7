#include "generate/class_blocks.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace verbsmith {
namespace {

using Blocks = std::vector<std::string_view>;

ClassBlockOptions WithForm(int16_t position) {
  ClassBlockOptions options;
  options.formPosition = position;
  return options;
}

TEST(SelectedClassBlocksTest, FormPositionChoosesTheFormBlocks) {
  EXPECT_EQ(SelectedClassBlocks(WithForm(0)), Blocks{"HasForm"});
  EXPECT_EQ(SelectedClassBlocks(WithForm(1)), (Blocks{"ModalWithForm", "CenterOnScreen"}));
  EXPECT_EQ(SelectedClassBlocks(WithForm(2)), (Blocks{"ModalWithForm", "CenterOnApp"}));
  EXPECT_EQ(SelectedClassBlocks(WithForm(3)), Blocks{"ModalWithForm"});
}

TEST(SelectedClassBlocksTest, NoFormSwitchesOnNoFormBlockWhateverThePosition) {
  for (int16_t position = 0; position <= 3; ++position) {
    ClassBlockOptions options = WithForm(position);
    options.formNotRequired = true;
    EXPECT_TRUE(SelectedClassBlocks(options).empty()) << position;
  }
}

TEST(SelectedClassBlocksTest, AModelessCommandWithAShownFormGetsBothBlocks) {
  ClassBlockOptions options = WithForm(3);
  options.commandIsModeless = true;
  EXPECT_EQ(SelectedClassBlocks(options), (Blocks{"Modeless", "ModalWithForm"}));
}

TEST(SelectedClassBlocksTest, OnlyTheExactMaskValueOneSwitchesOnTheCustomHooks) {
  ClassBlockOptions options;
  options.formNotRequired = true;
  options.commandsEnablingConditions = 3;
  options.viewListener = 2;
  EXPECT_TRUE(SelectedClassBlocks(options).empty());
  options.viewListener = 8;
  EXPECT_TRUE(SelectedClassBlocks(options).empty());
  options.commandsEnablingConditions = 1;
  options.viewListener = 1;
  options.isMapViewListener = true;
  EXPECT_EQ(SelectedClassBlocks(options),
            (Blocks{"MapViewListener", "CustomEnablingRequirements", "HasCustomStartupRequirements"}));
}

}  // namespace
}  // namespace verbsmith

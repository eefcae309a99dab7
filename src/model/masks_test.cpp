#include "model/masks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace verbsmith::masks {
namespace {

using ::testing::ElementsAre;

using NameSet = std::set<std::string, std::less<>>;

IsChecked Checked(NameSet names) {
  return [names = std::move(names)](std::string_view name) { return names.contains(name); };
}

TEST(EnablingMaskTest, EveryStandardBoxGivesTheLargestMask) {
  const EnablingEncoding encoding =
      EncodeEnablingMask([](std::string_view name) { return name != kCustomEnablingCheckBox; });
  EXPECT_EQ(encoding.mask, 2130706430);
}

TEST(EnablingMaskTest, CustomBoxWinsOverCheckedStandardBoxesAndNoBoxGivesTheNoConditionsLine) {
  EnablingEncoding encoding =
      EncodeEnablingMask(Checked({"chkCustomEnablingRequirements", "chkDataviewActive"}));
  EXPECT_EQ(encoding.mask, 1);
  EXPECT_EQ(encoding.recap, "\r\nCommand Enabling Conditions\r\n     + &Custom enabling requirements\r\n");
  encoding = EncodeEnablingMask(Checked({}));
  EXPECT_EQ(encoding.mask, 0);
  EXPECT_EQ(encoding.recap, "\r\nCommand Enabling Conditions\r\n     + No enabling conditions\r\n");
}

TEST(EnablingMaskTest, RecapLinesFollowTheExaminingOrderNotTheBits) {
  const EnablingEncoding encoding = EncodeEnablingMask(Checked(
      {"chkSelectSetHasRecords", "chkSelectSetDeleteEnabled", "chkDataViewHasRows", "chkDataviewActive"}));
  EXPECT_EQ(encoding.mask, 0x2 | 0x4000000 | 0x2000000 | 0x400000);
  EXPECT_EQ(encoding.recap,
            "\r\nCommand Enabling Conditions\r\n"
            "     + Data view is active\r\n"
            "     + Data view has rows\r\n"
            "     + Select set count is one or more OR Data view has cells or columns selected\r\n"
            "     + Select set has records\r\n");
}

TEST(EnablingMaskTest, DecodingChecksOnlyTheBoxesOfSetBits) {
  EXPECT_THAT(DecodeEnablingMask(0x8000000), ElementsAre("chkDataViewHasColumns"));
  EXPECT_THAT(DecodeEnablingMask(0xC000000), ElementsAre("chkDataViewHasRows", "chkDataViewHasColumns"));
  EXPECT_THAT(DecodeEnablingMask(3), ElementsAre("chkDataviewActive"));
  EXPECT_THAT(DecodeEnablingMask(1), ElementsAre("chkCustomEnablingRequirements"));
  EXPECT_THAT(DecodeEnablingMask(0x400000), ElementsAre("chkSelectSetHasRecords"));
  EXPECT_TRUE(DecodeEnablingMask(0).empty());
  EXPECT_TRUE(DecodeEnablingMask(0x1000000).empty());
  // Decoding what was encoded gives the same boxes.
  const NameSet boxes{"chkPlotspaceIsOpen", "chkLegendIsVisible", "chkDataViewUpdateable"};
  const auto decoded = DecodeEnablingMask(EncodeEnablingMask(Checked(boxes)).mask);
  EXPECT_EQ(NameSet(decoded.begin(), decoded.end()), boxes);
}

TEST(ListenerTest, DecodingRequirementsSplitsNewViewsAndKind) {
  using Choice = std::pair<bool, std::string>;
  const auto decode = [](int32_t requirements) {
    const ListenerChoice choice = DecodeListenerRequirements(requirements);
    return Choice(choice.newViews, std::string(choice.option));
  };
  EXPECT_EQ(decode(26), Choice(true, "optListenToAllMapViews"));
  EXPECT_EQ(decode(4), Choice(false, "optListenToActiveMapView"));
  EXPECT_EQ(decode(18), Choice(true, "optListenToActiveMapView"));
  EXPECT_EQ(decode(1), Choice(false, "optHasCustomStartupRequirements"));
  EXPECT_EQ(decode(0), Choice(false, ""));
}

TEST(ListenerTest, FirstSelectedOptionSetsTheKindNoneKeepsItAndTheRecapListsThem) {
  EXPECT_EQ(EncodeViewListener(Checked({"optListenToAllMapViews"}), 0), 8);
  EXPECT_EQ(EncodeViewListener(Checked({"optListenToActiveMapView", "optListenToAllMapViews"}), 0), 2);
  EXPECT_EQ(EncodeViewListener(Checked({}), 2), 2);
  EXPECT_EQ(EncodeListenerRequirements(8, true), 24);
  EXPECT_EQ(EncodeListenerRequirements(1, false), 1);
  // The defaults: all map windows and new windows.
  EXPECT_EQ(ListenerRequirementsRecap(Checked({"optListenToAllMapViews", "chkTellMeAboutNewViews"})),
            "        View Listener Requirements Features\r\n"
            "                + Listen to all map windows\r\n"
            "                + Listen for new map windows\r\n");
}

TEST(CommandTypeTest, DecodingUsesThresholdsAndEncodingTestsSelectionFirst) {
  EXPECT_EQ(DecodeCommandType(9), "optDefineSubView");
  EXPECT_EQ(DecodeCommandType(6), "optDefineSubView");
  EXPECT_EQ(DecodeCommandType(3), "optPlacement");
  EXPECT_EQ(DecodeCommandType(1), "optTracker");
  EXPECT_TRUE(DecodeCommandType(0).empty());
  EXPECT_TRUE(DecodeCommandType(-3).empty());
  // Encoding tests Selection before Tracker.
  EXPECT_EQ(EncodeCommandType(Checked({"optTracker", "optSelection"}), 0), 2);
  EXPECT_EQ(EncodeCommandType(Checked({"optTracker"}), 0), 1);
  EXPECT_EQ(EncodeCommandType(Checked({}), 5), 5);
  EXPECT_EQ(CommandTypeRecap(Checked({"optPlacement"})),
            "        View Listener Command Type Features\r\n                + Placement command\r\n");
}

}  // namespace
}  // namespace verbsmith::masks

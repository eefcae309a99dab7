#include "platform/scripted/fixed_screen.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(FixedScreenTest, SizeInTwipsFollowsPixelsAndTwipsPerPixel) {
  FixedScreen screen(800, 600, 12, 12);
  EXPECT_EQ(screen.WidthTwips(), 9600);
  EXPECT_EQ(screen.HeightTwips(), 7200);
  EXPECT_EQ(screen.TwipsPerPixelX(), 12);
  // Unknown and removed windows have an empty rectangle.
  screen.SetWindowRect(7, {10, 20, 110, 220});
  EXPECT_EQ(screen.WindowRect(7).right, 110);
  EXPECT_EQ(screen.WindowRect(8).right, 0);
  screen.RemoveWindow(7);
  EXPECT_EQ(screen.WindowRect(7).bottom, 0);
}

}  // namespace
}  // namespace verbsmith

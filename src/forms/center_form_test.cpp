#include "forms/center_form.h"

#include <gtest/gtest.h>

#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

TEST(CLngTest, RoundsHalvesToTheEvenNumber) {
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CLng(2.6), 3);
  EXPECT_EQ(CLng(-0.4), 0);
}

// The screen is 1024 x 768 pixels at 15 twips: 15360 x 11520 twips.  Window 5
// has the given rectangle; window 12345 has none and means the screen.
TEST(CenterFormTest, CentresOverTheWindowOrScreenAndKeepsTheFormOnScreen) {
  const struct {
    const char* name;
    int64_t window;
    PixelRect rect;
    int32_t width, height, left, top;
  } cases[] = {
      {"on the screen", 0, {}, 8610, 6030, 3375, 2745},
      {"half twips round to even", 0, {}, 101, 103, 7630, 5708},
      {"a window without a rectangle", 12345, {}, 1000, 1000, 7180, 5260},
      {"sticking out left and top", 5, {0, 0, 20, 20}, 2000, 2000, 0, 0},
      {"sticking out right and bottom", 5, {1000, 700, 1020, 760}, 2000, 2000, 15360 - 2000, 11520 - 2000},
      {"larger than the screen", 5, {1000, 700, 1020, 760}, 20000, 15000, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FormsSession session;
    if (c.window == 5) session.screen.SetWindowRect(5, c.rect);
    Form form(session.runtime, "frmVerbsmith");
    form.Move(0, 0, c.width, c.height);
    CenterForm(session.screen, c.window, form);
    EXPECT_EQ(form.Left(), c.left);
    EXPECT_EQ(form.Top(), c.top);
    EXPECT_EQ(form.Width(), c.width);
    EXPECT_EQ(form.Height(), c.height);
  }
}

TEST(CenterFormTest, CentresOverAWindowInPixelsTimesWholeTwipsPerPixel) {
  FormsSession session;
  FixedScreen screen(1024, 768, 15.4, 14.6);  // 15 and 15 twips per pixel once rounded
  screen.SetWindowRect(77, {100, 100, 300, 200});
  Form form(session.runtime, "frmVerbsmith");
  form.Move(0, 0, 1000, 600);
  CenterForm(screen, 77, form);
  EXPECT_EQ(form.Left(), 3000 - 500);
  EXPECT_EQ(form.Top(), 2250 - 300);
}

}  // namespace
}  // namespace verbsmith::forms

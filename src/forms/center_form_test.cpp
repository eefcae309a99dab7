#include "forms/center_form.h"

#include <gtest/gtest.h>

#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

class CenterFormTest : public ::testing::Test {
 protected:
  FormsSession session_;  // 1024 x 768 pixels at 15 twips: 15360 x 11520 twips
  Form form_{session_.runtime, "frmVerbsmith"};
};

TEST(CLngTest, RoundsHalvesToTheEvenNumber) {
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CLng(2.6), 3);
  EXPECT_EQ(CLng(-0.4), 0);
}

TEST_F(CenterFormTest, CentresOnTheScreenWithoutAWindow) {
  form_.Move(0, 0, 8610, 6030);
  CenterForm(session_.screen, 0, form_);
  EXPECT_EQ(form_.Left(), 3375);  // 7680 - 4305
  EXPECT_EQ(form_.Top(), 2745);   // 5760 - 3015
  EXPECT_EQ(form_.Width(), 8610);
  EXPECT_EQ(form_.Height(), 6030);
}

TEST_F(CenterFormTest, HalfTwipsRoundToEven) {
  form_.Move(0, 0, 101, 103);  // 7680 - 50.5 = 7629.5 -> 7630; 5760 - 51.5 = 5708.5 -> 5708
  CenterForm(session_.screen, 0, form_);
  EXPECT_EQ(form_.Left(), 7630);
  EXPECT_EQ(form_.Top(), 5708);
}

TEST_F(CenterFormTest, CentresOverAWindowInPixelsTimesWholeTwipsPerPixel) {
  FixedScreen screen(1024, 768, 15.4, 14.6);  // 15 and 15 twips per pixel once rounded
  screen.SetWindowRect(77, {100, 100, 300, 200});
  form_.Move(0, 0, 1000, 600);
  CenterForm(screen, 77, form_);
  EXPECT_EQ(form_.Left(), 3000 - 500);
  EXPECT_EQ(form_.Top(), 2250 - 300);
}

TEST_F(CenterFormTest, AWindowWithoutARectangleMeansTheScreen) {
  form_.Move(0, 0, 1000, 1000);
  CenterForm(session_.screen, 12345, form_);
  EXPECT_EQ(form_.Left(), 7180);
  EXPECT_EQ(form_.Top(), 5260);
}

TEST_F(CenterFormTest, AFormThatWouldStickOutLeftOrTopStartsAtZero) {
  session_.screen.SetWindowRect(5, {0, 0, 20, 20});
  form_.Move(0, 0, 2000, 2000);
  CenterForm(session_.screen, 5, form_);
  EXPECT_EQ(form_.Left(), 0);
  EXPECT_EQ(form_.Top(), 0);
}

TEST_F(CenterFormTest, AFormThatWouldStickOutRightOrBottomEndsAtTheEdge) {
  session_.screen.SetWindowRect(5, {1000, 700, 1020, 760});
  form_.Move(0, 0, 2000, 2000);
  CenterForm(session_.screen, 5, form_);
  EXPECT_EQ(form_.Left(), 15360 - 2000);
  EXPECT_EQ(form_.Top(), 11520 - 2000);
}

TEST_F(CenterFormTest, AFormLargerThanTheScreenKeepsItsLeftAndTopOnScreen) {
  session_.screen.SetWindowRect(5, {1000, 700, 1020, 760});
  form_.Move(0, 0, 20000, 15000);
  CenterForm(session_.screen, 5, form_);
  EXPECT_EQ(form_.Left(), 0);
  EXPECT_EQ(form_.Top(), 0);
  EXPECT_EQ(form_.Width(), 20000);
}

}  // namespace
}  // namespace verbsmith::forms

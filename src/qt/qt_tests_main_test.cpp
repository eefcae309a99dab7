// The window tests' main: one application for all tests, on the offscreen
// platform whatever the environment says, so no test needs a display.

#include <gmock/gmock.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  int qtArgc = 3;
  char name[] = "qt_tests";
  char platformOption[] = "-platform";
  char platform[] = "offscreen";
  char* qtArgv[] = {name, platformOption, platform, nullptr};
  QApplication application(qtArgc, qtArgv);
  return RUN_ALL_TESTS();
}

#include "qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace verbsmith::qt {

namespace {

QRect ScreenGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TwipsScale ScreenScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {{1440.0 / screen->logicalDotsPerInchX(), 1440.0 / screen->logicalDotsPerInchY()}};
}

int32_t QtScreen::WidthTwips() {
  return static_cast<int32_t>(std::lround(ScreenGeometry().width() * TwipsPerPixelX()));
}

int32_t QtScreen::HeightTwips() {
  return static_cast<int32_t>(std::lround(ScreenGeometry().height() * TwipsPerPixelY()));
}

PixelRect QtScreen::WindowRect(int64_t handle) {
  const auto it = windows_.find(handle);
  if (it == windows_.end() || it->second.isNull() || !it->second->isVisible()) return {};
  const QRect frame = it->second->frameGeometry();
  return {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1};
}

}  // namespace verbsmith::qt

#include "platform/win32/win32_screen.h"

#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

constexpr int kTwipsPerInch = 1440;

// Twips per pixel along one axis (LOGPIXELSX or LOGPIXELSY).
double TwipsPerPixel(int axis) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, axis) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return kTwipsPerInch / static_cast<double>(dpi > 0 ? dpi : 96);
}

}  // namespace

int32_t Win32Screen::WidthTwips() {
  return static_cast<int32_t>(GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX());
}

int32_t Win32Screen::HeightTwips() {
  return static_cast<int32_t>(GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY());
}

double Win32Screen::TwipsPerPixelX() {
  return TwipsPerPixel(LOGPIXELSX);
}

double Win32Screen::TwipsPerPixelY() {
  return TwipsPerPixel(LOGPIXELSY);
}

PixelRect Win32Screen::WindowRect(int64_t handle) {
  RECT rect{};
  HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
  if (!IsWindow(window) || !GetWindowRect(window, &rect)) return {};
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace verbsmith

#pragma once
// The screen as the forms see it on Windows: the display's metrics, and the
// rectangles of the windows that show the forms, by the forms' handles.

#include <unordered_map>

#include "platform/win32/win32_screen.h"
#include "platform/win32/windows_api.h"

namespace verbsmith::win32view {

class WindowScreen final : public Screen {
 public:
  void Track(int64_t handle, HWND window) { windows_[handle] = window; }

  int32_t WidthTwips() override { return system_.WidthTwips(); }
  int32_t HeightTwips() override { return system_.HeightTwips(); }
  double TwipsPerPixelX() override { return system_.TwipsPerPixelX(); }
  double TwipsPerPixelY() override { return system_.TwipsPerPixelY(); }
  // A form's window, or any other window by its own handle.
  PixelRect WindowRect(int64_t handle) override {
    const auto it = windows_.find(handle);
    return system_.WindowRect(it != windows_.end() ? reinterpret_cast<intptr_t>(it->second) : handle);
  }

 private:
  Win32Screen system_;
  std::unordered_map<int64_t, HWND> windows_;
};

}  // namespace verbsmith::win32view

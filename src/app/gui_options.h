#pragma once
// The gui command's options, and the two ways it is run: by the window
// program itself (gui_window.cpp, with Qt), or by the headless verbsmith,
// which hands the command to that program (gui_launcher.cpp) so that it
// never loads Qt.

#include <string>

namespace verbsmith::app {

struct GuiOptions {
  std::string recordFile;  // the session is written there as a script
  bool check = false;      // closes the window as soon as it is drawn
};

int RunGuiWith(const GuiOptions& options);

// The window's own program; the headless verbsmith finds it beside itself.
inline constexpr const char* kWindowProgram = "verbsmith-gui";

}  // namespace verbsmith::app

#pragma once
// Whether a window can be shown: Qt's X11 platform aborts the program when
// its display cannot be opened, so the display is tried first.

#include <optional>
#include <string>

#include "platform/processes.h"

namespace verbsmith {

// Why no window can be shown ("DISPLAY and WAYLAND_DISPLAY are not set",
// "cannot connect to the display :99"), or nullopt when one can: a Wayland
// or X display that accepts a connection, or a Qt platform chosen in
// QT_QPA_PLATFORM that needs none.
std::optional<std::string> DisplayProblem(Processes& processes);

}  // namespace verbsmith

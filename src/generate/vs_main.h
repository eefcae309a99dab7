#pragma once
// The add-in's shared module routines: the error report every file operation
// shows, file lookups, the temporary file name and the keystrokes that save
// the project. None keeps state between calls.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/vb_error.h"
#include "base/win_path.h"
#include "platform/host.h"

namespace verbsmith {

// Shows an exclamation box titled "Carthex Verbsmith". Without a message the
// box shows errorText. With one it shows the message and two spaces, then
// errorText only when the current error is a system error (number at or
// below vbObjectError read as signed 32-bit); the message is then emptied.
void ReportError(Host& host, const std::string& errorText, std::string* message = nullptr);

// Reports a file that could not be written: the message, two spaces, the
// file and why, so that the user knows which file to look at. Sets the
// current error.
void ReportWriteError(Host& host, std::string_view message, const std::string& path, const VbError& error);

// Whether a listing of path with the attribute mask finds a name. An empty
// path, or any failure of the listing, gives false.
bool FileExists(Host& host, const std::string& path, uint32_t attributes = 0);

// A fresh empty file in the directory named by TEMP, its name starting with
// the first three characters of prefix; result holds its full path. When TEMP
// is empty result is 144 spaces. Callers trim. Failures of the file system go
// to the caller.
void MakeTempFileName(Host& host, std::string& prefix, std::string& result);

// Sends Alt+F, V to the active window (the environment's "save project")
// and lets it run. A failure is shown through ReportError.
void SaveProjectKeystrokes(Host& host);

}  // namespace verbsmith

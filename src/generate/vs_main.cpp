#include "generate/vs_main.h"

#include <exception>
#include <optional>

#include "base/texts.h"
#include "base/vb_error.h"

namespace verbsmith {

namespace {

// The length of the name buffer the temporary file name is kept in.
constexpr size_t kTempNameLength = 144;

}  // namespace

void ReportError(Host& host, const std::string& errorText, std::string* message) {
  std::string boxText;
  if (message == nullptr) {
    boxText = errorText;
  } else {
    boxText = *message + "  ";
    // Only system errors carry a description worth showing; the product's
    // own and the file errors are already said by the message.
    if (host.err.Number() <= vberr::kObjectErrorBase) boxText += errorText;
  }
  host.err.NoteReported();
  host.dialogs.MsgBox(boxText, mb::kExclamation | mb::kOKOnly, std::string(text::kTitle));
  if (message != nullptr) message->clear();
}

void ReportWriteError(Host& host, std::string_view message, const std::string& path, const VbError& error) {
  host.err.Set(error);
  ReportError(host, std::string(message) + "  " + path + ": " + error.Description());
}

bool FileExists(Host& host, const std::string& path, uint32_t attributes) {
  if (path.empty()) return false;
  try {
    return !host.fs.List(path, attributes).empty();
  } catch (const VbError&) {
    return false;  // a name that cannot be listed names no file
  }
}

void MakeTempFileName(Host& host, std::string& prefix, std::string& result) {
  result.assign(kTempNameLength, ' ');
  const std::string temp = host.processes.GetEnv("TEMP").value_or("");
  if (temp.empty()) return;
  result = host.fs.CreateTempFile(temp, prefix);
}

void SaveProjectKeystrokes(Host& host) {
  std::string errorText;
  try {
    host.dialogs.SendKeys("%(FV)");
    host.dialogs.DoEvents();
    return;
  } catch (const VbError& error) {
    host.err.Set(error);
    errorText = error.Description();
  } catch (const std::exception& error) {
    // A failure from below the product's own error model counts as a system
    // error, so its text is shown.
    host.err.Set(vberr::kSystemFailure, std::string(text::kTitle), error.what());
    errorText = error.what();
  }
  std::string message;
  ReportError(host, errorText, &message);
}

}  // namespace verbsmith

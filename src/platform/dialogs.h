#pragma once
// User-interface services of the environment's forms: message boxes, the
// file-open dialog, keystrokes, the help viewer and the shell's "open" verb.

#include <optional>
#include <string>

namespace verbsmith {

// Message box style bits and results, with Visual Basic's values.
namespace mb {
inline constexpr int kOKOnly = 0;
inline constexpr int kOKCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kButtonsMask = 0x7;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kIconMask = 0x70;
inline constexpr int kDefaultButton1 = 0;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kDefaultButton3 = 512;
inline constexpr int kDefaultButtonMask = 0x300;
}  // namespace mb

namespace mbresult {
inline constexpr int kOK = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace mbresult

// Common-dialog flags the product uses.
namespace ofn {
inline constexpr int kHideReadOnly = 0x4;
inline constexpr int kFileMustExist = 0x1000;
inline constexpr int kLongNames = 0x200000;
}  // namespace ofn

struct FileOpenRequest {
  std::string title;
  std::string filter;  // "Description (*.ext)|*.ext" pairs
  int filterIndex = 1;
  std::string defaultExt;
  std::string initialDirectory;
  int flags = 0;
};

struct FileOpenResult {
  std::string fileName;   // full path, Windows form
  std::string fileTitle;  // name without directory
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A message box; an absent title means the add-in's default title.
  // Returns one of mbresult.
  virtual int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) = 0;
  // nullopt when the user cancels.
  virtual std::optional<FileOpenResult> ShowOpen(const FileOpenRequest& request) = 0;
  // SendKeys syntax ("%(FV)") to the active window.
  virtual void SendKeys(const std::string& keys) = 0;
  // Lets pending events run (DoEvents).
  virtual void DoEvents() = 0;
  // Opens a topic of a compiled help file by context number.
  virtual void ShowHelpTopic(const std::string& helpFile, int topic) = 0;
  // ShellExecute "open": a value above 32 means success.
  virtual long ShellOpen(const std::string& path) = 0;
};

}  // namespace verbsmith

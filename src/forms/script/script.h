#pragma once
// Scripts of user actions for headless runs, one action per line:
//
//   # comment            blank lines and lines starting with # are skipped
//   type txtCmdName MyCommand      set a text box's or editable combo's text
//   type txtCmdDescription ""      ... an empty text (quotes keep spaces)
//   click cmdIntroNext             click a button, option button or check box
//   choose cboCmdName 2            pick a list or combo entry by index (0 first)
//   choose lstMultiCmd "x.vbp"     ... or by its text; also drives, directories
//   key cmdIntroHelp F1            press a key in a control (Shift+, Ctrl+, Alt+)
//   leave txtLCCustomBMPName       move the focus on, as Tab does
//   close                          close the front window with its close box
//   answer Yes                     the answer to the next message box
//   file Z:\tmp\a.bmp              the next file-open dialog's file ...
//   file cancel                    ... or its cancelling
//
// Keywords ignore case. A text in double quotes may hold spaces at its ends
// and doubled quotes ("say ""hi"""); unquoted, the rest of the line is the
// text. A mistake is reported with its line number before anything runs.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/user_action.h"

namespace verbsmith::forms {

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

struct ScriptStep {
  enum class Kind { kAction, kAnswer, kFile };
  Kind kind = Kind::kAction;
  int line = 0;
  std::string echo;                 // the line as written, trimmed
  UserAction action;                // kAction
  int answer = 0;                   // kAnswer: one of mbresult
  std::optional<std::string> file;  // kFile: the path, nullopt for cancel
};

// The UTF-8 text of a script file's bytes: Windows-1252, unless the file
// starts with a UTF-8 byte-order mark (an editor's choice), which is
// dropped and says the rest is UTF-8 already.
std::string ScriptTextOfFile(std::string_view bytes);

// Parses a whole script; throws ScriptError naming the first bad line. A
// line ends at LF, CR LF or a lone CR.
std::vector<ScriptStep> ParseScript(std::string_view text);

}  // namespace verbsmith::forms

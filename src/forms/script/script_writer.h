#pragma once
// The inverse of ParseScript: the script line that performs a user action,
// answers a message box or picks a file. Parsing a written line gives back
// the same action, so a recorded session replays exactly.

#include <optional>
#include <string>

#include "forms/user_action.h"

namespace verbsmith::forms {

// "click cmdIntroNext", "type Text4 \" Acme \"", "key cmdIntroHelp Shift+F1" ...
std::string ScriptLine(const UserAction& action);
// "answer Yes" for one of mbresult.
std::string AnswerLine(int answer);
// "file Z:\tmp\a.bmp", or "file cancel" for nullopt.
std::string FileLine(const std::optional<std::string>& path);

}  // namespace verbsmith::forms

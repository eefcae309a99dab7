#pragma once
// How message boxes and their answers are named in scripts and transcripts,
// and which buttons a style shows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

std::string_view MsgBoxResultName(int answer);                // "OK", "Cancel", "Yes", ...
std::optional<int> ParseMsgBoxResult(std::string_view name);  // case-insensitive
std::string_view MsgBoxIconName(int style);                   // "Exclamation", ..., "no icon"
std::vector<int> MsgBoxButtons(int style);                    // the buttons in screen order
int MsgBoxDefaultAnswer(int style);
// Line ends shown as "\n" so that one message stays one transcript line.
std::string OneLine(std::string_view text);

}  // namespace verbsmith

#pragma once
// The names of message box buttons and icons, as scripts and transcripts
// spell them, and the buttons each style shows.

#include <optional>
#include <string_view>
#include <vector>

namespace verbsmith {

std::string_view MsgBoxResultName(int answer);                // "OK", "Cancel", "Yes", ...
std::optional<int> ParseMsgBoxResult(std::string_view name);  // case-insensitive
std::string_view MsgBoxIconName(int style);                   // "Exclamation", ..., "no icon"
std::vector<int> MsgBoxButtons(int style);                    // the buttons in screen order
int MsgBoxDefaultAnswer(int style);

}  // namespace verbsmith

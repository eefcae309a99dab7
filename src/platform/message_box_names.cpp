#include "platform/message_box_names.h"

#include "base/strings.h"
#include "platform/dialogs.h"

namespace verbsmith {

std::string_view MsgBoxResultName(int answer) {
  switch (answer) {
    case mbresult::kOK:
      return "OK";
    case mbresult::kCancel:
      return "Cancel";
    case mbresult::kAbort:
      return "Abort";
    case mbresult::kRetry:
      return "Retry";
    case mbresult::kIgnore:
      return "Ignore";
    case mbresult::kYes:
      return "Yes";
    case mbresult::kNo:
      return "No";
    default:
      return "?";
  }
}

std::optional<int> ParseMsgBoxResult(std::string_view name) {
  for (int answer = mbresult::kOK; answer <= mbresult::kNo; ++answer) {
    if (EqualsIgnoringCase(name, MsgBoxResultName(answer))) return answer;
  }
  return std::nullopt;
}

std::string_view MsgBoxIconName(int style) {
  switch (style & mb::kIconMask) {
    case mb::kCritical:
      return "Critical";
    case mb::kQuestion:
      return "Question";
    case mb::kExclamation:
      return "Exclamation";
    case mb::kInformation:
      return "Information";
    default:
      return "no icon";
  }
}

std::vector<int> MsgBoxButtons(int style) {
  using namespace mbresult;
  switch (style & mb::kButtonsMask) {
    case mb::kOKCancel:
      return {kOK, kCancel};
    case mb::kAbortRetryIgnore:
      return {kAbort, kRetry, kIgnore};
    case mb::kYesNoCancel:
      return {kYes, kNo, kCancel};
    case mb::kYesNo:
      return {kYes, kNo};
    case mb::kRetryCancel:
      return {kRetry, kCancel};
    default:
      return {kOK};
  }
}

int MsgBoxDefaultAnswer(int style) {
  const std::vector<int> buttons = MsgBoxButtons(style);
  const size_t index = static_cast<size_t>((style & mb::kDefaultButtonMask) >> 8);
  // Windows falls back to the first button when the named one is missing.
  return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace verbsmith

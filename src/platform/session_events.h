#pragma once
// What a person at the screen would have seen during a session, as typed
// events. A transcript is one reader of them (platform/transcript.h);
// `verbsmith new` reads its outcome from them, tests look at them.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace verbsmith {

namespace event {

struct FormShown {
  std::string form;
  std::string caption;
};
struct FrameShown {
  std::string frame;
};
struct FormHidden {
  std::string form;
};
struct FormUnloaded {
  std::string form;
};
struct FocusMoved {
  std::string control;  // empty: nothing has the focus
};
// Nobody is left to act: the form closes as its close box would.
struct ActionsRanOut {
  std::string form;
};
// A user action handed to a form.
struct ActionTaken {
  std::string echo;     // as the script reads
  std::string control;  // the control acted on; empty for a close
  bool click = false;
};
// A script's answer for a message box or file dialog still to come.
struct AnswerRead {
  std::string echo;
};
// An action the control could not take at all; the run fails.
struct ActionFailed {
  std::string message;
};
// An action the form would not take from a person (a control disabled,
// hidden, locked; an entry that is not there).
struct ActionRefused {
  std::string action;  // how the action reads, e.g. `click cmdNext`
  std::string reason;
};
inline constexpr std::string_view kHidden = "hidden";  // the reason for a control not shown
// An action that never reached its control: the focus stayed on `holder`
// (empty: on nothing).
struct ActionDropped {
  std::string action;
  std::string holder;
};
struct MessageShown {
  int style = 0;  // mb: icon, buttons, default button
  std::string title;
  std::string text;  // with its line breaks
};
struct MessageBoxAnswered {
  int answer = 0;             // mbresult
  std::optional<int> queued;  // the answer given for it; nullopt: none was
  // The box took its default button: nothing was queued, or a button it
  // does not have.
  bool Defaulted() const { return queued != answer; }
};
struct FileDialogAnswered {
  std::string title;
  std::optional<std::string> fileName;  // nullopt: cancelled
  bool queued = true;                   // false: nothing was queued, so it was cancelled
};
struct KeysSent {
  std::string keys;
};
struct HelpShown {
  std::string helpFileName;  // without its directory, which depends on where the add-in lives
  int topic = 0;
};
struct DocumentOpened {
  std::string path;
};
// The recap Finish shows, line by line.
struct RecapShown {
  std::vector<std::string> lines;
};
// What a dry run's Finish would do, line by line.
struct PlanReady {
  std::vector<std::string> lines;
};
// What Finish would do, line by line, in the preview window.
struct PreviewShown {
  std::vector<std::string> lines;
};
// A registry file left out, and why.
struct RegistryWarning {
  std::string problem;
};
// What a script held that the run never used.
struct ScriptLeftovers {
  size_t steps = 0;
  int firstLine = 0;  // of the first step left
  size_t answers = 0;
  size_t files = 0;
};
struct EndOfRun {};

}  // namespace event

using SessionEvent =
    std::variant<event::FormShown, event::FrameShown, event::FormHidden, event::FormUnloaded,
                 event::FocusMoved, event::ActionsRanOut, event::ActionTaken, event::AnswerRead,
                 event::ActionFailed, event::ActionRefused, event::ActionDropped, event::MessageShown,
                 event::MessageBoxAnswered, event::FileDialogAnswered, event::KeysSent, event::HelpShown,
                 event::DocumentOpened, event::RecapShown, event::PlanReady, event::PreviewShown,
                 event::RegistryWarning, event::ScriptLeftovers, event::EndOfRun>;

// Where a session's events go, in the order they happen.
class SessionEvents {
 public:
  virtual ~SessionEvents() = default;
  virtual void Happened(const SessionEvent& event) = 0;
};

}  // namespace verbsmith

#include "wizard/answered_run.h"

#include <array>
#include <utility>

#include "wizard/step.h"

namespace verbsmith {

namespace {

constexpr std::string_view kMessageBox = "message box (";
constexpr std::string_view kFrameShown = "frame shown ";
constexpr std::string_view kAction = "> ";
constexpr std::string_view kActionError = "action error: ";

// The text of a message box line, with its line breaks back in place.
std::string MessageText(std::string_view line) {
  const size_t start = line.find("\": ");
  std::string text(start == std::string_view::npos ? line : line.substr(start + 3));
  for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
    text.replace(at, 2, "\n");
  }
  return text;
}

// "Exclamation", "Information", "Question", "Critical" or "no icon".
std::string_view MessageIcon(std::string_view line) {
  line.remove_prefix(kMessageBox.size());
  return line.substr(0, line.find(','));
}

bool IsNextClick(std::string_view action) {
  return action.starts_with("click cmd") && action.ends_with("Next");
}

int RefusalStatus(std::string_view frame) {
  using namespace answeredrun;
  const std::array<std::pair<Step, int>, 5> steps = {{{Step::kIntro, kRefusedOnStart},
                                                      {Step::kProjName, kRefusedOnProject},
                                                      {Step::kCmdName, kRefusedOnCommandName},
                                                      {Step::kAddBMP, kRefusedOnBitmaps},
                                                      {Step::kCustomBMP, kRefusedOnBitmaps}}};
  for (const auto& [step, status] : steps) {
    if (StepFrameName(step) == frame) return status;
  }
  return kRefusedOnKind;
}

}  // namespace

void AnsweredRunWatch::Event(std::string line) {
  const std::string_view text = line;
  if (text.starts_with(kFrameShown)) {
    frame_ = text.substr(kFrameShown.size());
    nextPending_ = false;
    lastMessageOnFrame_.clear();
  } else if (text.starts_with(kAction)) {
    Settle();
    const std::string_view action = text.substr(kAction.size());
    messagesOfAction_.clear();
    nextPending_ = IsNextClick(action);
    finishPressed_ = finishPressed_ || action == "click cmdFinishFinish";
    deleteAsked_ = action == "click cmdCmdNameFinish";
  } else if (text.starts_with(kMessageBox)) {
    messagesOfAction_.push_back(MessageText(text));
    lastMessageOnFrame_ = messagesOfAction_.back();
    questionAsked_ = MessageIcon(text) == "Question";
    // Finish's own question is answered by the answers, not reported.
    if ((finishPressed_ || deleteAsked_) && MessageIcon(text) != "Question") {
      finishMessages_.push_back(messagesOfAction_.back());
    }
    made_ = made_ || (finishPressed_ && MessageIcon(text) == "Information");
    // A deletion says nothing when it works: a message after the user said
    // Yes is the command set refusing it (busy, say), and nothing was deleted.
    if (deleteAsked_ && made_ && !finishPressed_ && MessageIcon(text) != "Question") {
      made_ = false;
      deleteRefused_ = true;
    }
  } else if (text.starts_with("plan: ") && finishPressed_) {
    // A dry run's Finish is done once it has shown its plan.
    made_ = true;
  } else if (text == "  answer Yes" && deleteAsked_ && questionAsked_) {
    made_ = true;
  } else if (text.starts_with("dropped: ") && !refusedFrame_ && !messagesOfAction_.empty()) {
    refusedFrame_ = frame_;
    refusal_ = messagesOfAction_.back();
  } else if (text.starts_with(kActionError) && actionError_.empty()) {
    actionError_ = line;
  } else if (text.starts_with("refused: ")) {
    // A control hidden belongs to a step the wizard skipped; any other
    // refusal is the step refusing the answer (a button it keeps disabled,
    // a directory that is not there), after its message if it gave one.
    nextPending_ = false;
    if (!text.ends_with("(hidden)") && !refusedFrame_) {
      refusedFrame_ = frame_;
      refusal_ = lastMessageOnFrame_.empty() ? std::string(text) : lastMessageOnFrame_;
    }
  }
  shown_.Event(std::move(line));
}

void AnsweredRunWatch::Settle() {
  if (nextPending_ && !messagesOfAction_.empty() && !refusedFrame_) {
    refusedFrame_ = frame_;
    refusal_ = messagesOfAction_.back();
  }
  nextPending_ = false;
}

forms::ActionSource& AnsweredRunWatch::Guard(forms::ActionSource& source) {
  return guarded_.emplace(*this, source);
}

std::optional<forms::UserAction> AnsweredRunWatch::Guarded::Next() {
  watch_.Settle();
  if (watch_.refusedFrame_) return std::nullopt;
  return source_.Next();
}

int AnsweredRunWatch::Status() const {
  if (refusedFrame_) return RefusalStatus(*refusedFrame_);
  if (made_) return answeredrun::kMade;
  return finishPressed_ || deleteRefused_ ? answeredrun::kFinishFailed : answeredrun::kNotCarriedOut;
}

std::vector<std::string> AnsweredRunWatch::Messages() const {
  if (refusedFrame_) return {refusal_};
  if (made_ || finishPressed_ || deleteRefused_) return finishMessages_;
  if (!actionError_.empty()) return {actionError_};
  if (messagesOfAction_.empty()) return {"the wizard closed before Finish, on " + frame_};
  return messagesOfAction_;
}

}  // namespace verbsmith

#include "wizard/answered_run.h"

#include <array>
#include <utility>
#include <variant>

#include "platform/dialogs.h"
#include "platform/transcript.h"
#include "wizard/step.h"

namespace verbsmith {

namespace {

constexpr std::string_view kFinishButton = "cmdFinishFinish";
constexpr std::string_view kDeleteButton = "cmdCmdNameFinish";  // Finish on the command-name step

// Line ends as one line feed each, as standard error shows them.
std::string WithLineFeeds(std::string_view text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

bool HasIcon(const event::MessageShown& message, int icon) {
  return (message.style & mb::kIconMask) == icon;
}

// The event as the transcript reads it.
std::string AsShown(const SessionEvent& event) {
  return TranscriptLines(event).front();
}

bool IsNextButton(std::string_view control) {
  return control.starts_with("cmd") && control.ends_with("Next");
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

void AnsweredRunWatch::Happened(const SessionEvent& event) {
  std::visit([this](const auto& happened) { Saw(happened); }, event);
  shown_.Happened(event);
}

void AnsweredRunWatch::Saw(const event::FrameShown& shown) {
  frame_ = shown.frame;
  controlsOnFrame_.clear();
  nextPending_ = false;
  lastMessageOnFrame_.clear();
}

void AnsweredRunWatch::BeginAction(std::string_view clicked) {
  Settle();
  messagesOfAction_.clear();
  focusNamesControl_ = false;
  nextPending_ = IsNextButton(clicked);
  finishPressed_ = finishPressed_ || clicked == kFinishButton;
  deleteAsked_ = clicked == kDeleteButton;
}

void AnsweredRunWatch::Saw(const event::MessageShown& message) {
  messagesOfAction_.push_back(WithLineFeeds(message.text));
  lastMessageOnFrame_ = messagesOfAction_.back();
  questionAsked_ = HasIcon(message, mb::kQuestion);
  if (!questionAsked_) {
    notices_.push_back({frame_, actionControl_, messagesOfAction_.back(), "", controlsOnFrame_});
    focusNamesControl_ = nextPending_;
  }
  // Finish's own question is answered by the answers, not reported.
  if ((finishPressed_ || deleteAsked_) && !questionAsked_)
    finishMessages_.push_back(messagesOfAction_.back());
  made_ = made_ || (finishPressed_ && HasIcon(message, mb::kInformation));
  // A deletion says nothing when it works: a message after the user said
  // Yes is the command set refusing it (busy, say), and nothing was deleted.
  if (deleteAsked_ && made_ && !finishPressed_ && !questionAsked_) {
    made_ = false;
    deleteRefused_ = true;
  }
}

void AnsweredRunWatch::Saw(const event::FocusMoved& focus) {
  if (focusNamesControl_ && !notices_.empty()) notices_.back().control = focus.control;
  focusNamesControl_ = false;
}

void AnsweredRunWatch::Saw(const event::MessageBoxAnswered& answered) {
  made_ =
      made_ || (answered.answer == mbresult::kYes && !answered.Defaulted() && deleteAsked_ && questionAsked_);
}

void AnsweredRunWatch::Saw(const event::PlanReady&) {
  // A dry run's Finish is done once it has shown its plan.
  made_ = made_ || finishPressed_;
}

void AnsweredRunWatch::Saw(const event::ActionDropped&) {
  if (refusedFrame_ || messagesOfAction_.empty()) return;
  refusedFrame_ = frame_;
  refusal_ = messagesOfAction_.back();
}

void AnsweredRunWatch::Saw(const event::ActionFailed& failed) {
  if (actionError_.empty()) actionError_ = AsShown(failed);
}

void AnsweredRunWatch::Saw(const event::ActionRefused& refused) {
  // A control hidden belongs to a step the wizard skipped; any other
  // refusal is the step refusing the answer (a button it keeps disabled,
  // a directory that is not there), after its message if it gave one.
  nextPending_ = false;
  if (refused.reason != event::kHidden && !refusedFrame_) {
    refusedFrame_ = frame_;
    refusal_ = lastMessageOnFrame_.empty() ? AsShown(refused) : lastMessageOnFrame_;
    if (lastMessageOnFrame_.empty())
      notices_.push_back({frame_, actionControl_, refusal_, refused.reason, controlsOnFrame_});
  }
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

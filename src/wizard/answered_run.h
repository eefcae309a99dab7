#pragma once
// How a run on answers went, read from its session events as they happen: which
// step refused what (the wizard's own message), whether Finish made the
// command, and what it said. A refusal ends the actions, so the wizard
// closes as a person would leave it, and nothing after the refusal runs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/action_source.h"
#include "platform/session_events.h"

namespace verbsmith {

// The exit status of each kind of outcome.
namespace answeredrun {
inline constexpr int kMade = 0;
inline constexpr int kNotCarriedOut = 1;  // an answer the window could not take, or a run-time error
inline constexpr int kRefusedOnStart = 3;
inline constexpr int kRefusedOnProject = 4;
inline constexpr int kRefusedOnCommandName = 5;
inline constexpr int kRefusedOnBitmaps = 6;
inline constexpr int kRefusedOnKind = 7;  // kind, form, listener, command type, enabling conditions
inline constexpr int kFinishFailed = 8;   // Finish, or a confirmed deletion, failed
}  // namespace answeredrun

// One thing the wizard said, or refused, on the way: on which step, the
// control it concerns (where the focus went back to after a Next; empty when
// no answer's control is concerned) and the wizard's message. reason is set
// for an action the form refused without a message ("no such entry among 3").
struct RunNotice {
  std::string frame;
  std::string control;
  std::string message;
  std::string reason;
  // The controls acted on in the step so far: what a message that names no
  // control may concern.
  std::vector<std::string> stepControls;
};

class AnsweredRunWatch : public SessionEvents {
 public:
  // Events are passed on to `shown`.
  explicit AnsweredRunWatch(SessionEvents& shown) : shown_(shown) {}

  void Happened(const SessionEvent& event) override;

  // Takes the actions from source until a step has refused one.
  forms::ActionSource& Guard(forms::ActionSource& source);

  // After the run: the exit status, and the wizard's messages to show
  // (the refusal, Finish's failure, or what Finish said it made).
  int Status() const;
  std::vector<std::string> Messages() const;
  // Everything the wizard said or refused during the run, in order, but
  // its questions; the last one stopped a refused run.
  const std::vector<RunNotice>& Notices() const { return notices_; }
  // The recap Finish showed, line by line; empty when it showed none.
  const std::vector<std::string>& Recap() const { return recap_; }

 private:
  class Guarded : public forms::ActionSource {
   public:
    Guarded(AnsweredRunWatch& watch, forms::ActionSource& source) : watch_(watch), source_(source) {}
    std::optional<forms::UserAction> Next() override;
    void ActionFailed(const forms::UserAction& action, const std::string& message) override {
      source_.ActionFailed(action, message);
    }

   private:
    AnsweredRunWatch& watch_;
    forms::ActionSource& source_;
  };

  template <typename Other>
  void Saw(const Other&) {}
  void Saw(const event::FrameShown& shown);
  void Saw(const event::ActionTaken& action) {
    BeginAction(action.click ? action.control : "");
    actionControl_ = action.control;
    if (!action.control.empty()) controlsOnFrame_.push_back(action.control);
  }
  void Saw(const event::FocusMoved& focus);
  void Saw(const event::AnswerRead&) { BeginAction(""); }
  void Saw(const event::MessageShown& message);
  void Saw(const event::MessageBoxAnswered& answered);
  void Saw(const event::PlanReady&);
  void Saw(const event::RecapShown& recap) { recap_ = recap.lines; }
  void Saw(const event::ActionDropped&);
  void Saw(const event::ActionFailed& failed);
  void Saw(const event::ActionRefused& refused);
  void BeginAction(std::string_view clicked);
  // Settles the Next button pressed last: a message and no new step is a
  // refusal.
  void Settle();

  SessionEvents& shown_;
  std::optional<Guarded> guarded_;
  std::string frame_;
  bool nextPending_ = false;
  std::vector<std::string> messagesOfAction_;
  std::string lastMessageOnFrame_;
  std::optional<std::string> refusedFrame_;
  std::string refusal_;
  std::string actionError_;
  bool finishPressed_ = false;
  bool made_ = false;
  bool deleteAsked_ = false;    // the last action asked to delete the chosen command
  bool questionAsked_ = false;  // the last message box asked a question
  bool deleteRefused_ = false;  // the command set refused the deletion the user confirmed
  std::vector<std::string> finishMessages_;
  std::vector<std::string> recap_;
  std::string actionControl_;
  std::vector<std::string> controlsOnFrame_;
  // The message of a Next click names no control: the focus, which the
  // step puts back on the faulty one, does.
  bool focusNamesControl_ = false;
  std::vector<RunNotice> notices_;
};

}  // namespace verbsmith

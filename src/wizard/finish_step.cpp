#include "wizard/finish_step.h"

#include "base/messages.h"
#include "base/texts.h"
#include "wizard/finish_flows.h"
#include "wizard/finish_preflight.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/help.h"
#include "wizard/recap.h"

namespace verbsmith {

namespace {

constexpr int kRecapTopic = 440;
constexpr int kVBOnlineTopic = 450;

// The heading of the recap by purpose; a delete never gets here.
std::string PurposeHeading(int32_t purpose) {
  switch (purpose) {
    case purpose::kCreate:
      return LoadResString(74);
    case purpose::kEdit:
      return LoadResString(75);
    case purpose::kAdd:
      return LoadResString(76);
    default:
      return "";
  }
}

}  // namespace

FinishStep::FinishStep(FrmVerbsmith& window) : StepGroup(window) {
  StepFrame& step = AddStep({Step::kFinish, "picFinish", "cmdFinish", text::kFinishHeading, 610});
  auto& w = window_;
  auto& frame = step.frame;
  label3_ = &Placed(w.Add<forms::Label>("Label3", frame), {2400, 840, 5880, 435});
  // Tall enough to show many lines; locked, as it only reports.
  recap_ = &Placed(w.Add<forms::TextBox>(std::string(recap::kRecapBox), frame), {2400, 1320, 5880, 2595});
  recap_->SetLocked(true);
  Placed(w.Add<forms::Label>("lblVBOnlineHint", frame), text::kVBOnlineHint, {2400, 4020, 5880, 435});
  auto& vbOnline = Placed(w.Add<forms::CommandButton>("cmdVBOnline", frame), text::kVBOnlineButton,
                          {2400, 4500, 1335, 375});
  auto& faq = Placed(w.Add<forms::CommandButton>("cmdFAQ", frame), text::kFAQButton, {3840, 4500, 2655, 375});
  auto& preview =
      Placed(w.Add<forms::CommandButton>("cmdPreview", frame), text::kPreviewButton, {6600, 4500, 1680, 375});

  // The last step has nothing after it; Finish runs the flow of the purpose.
  step.next.SetEnabled(false);
  step.finish.SetEnabled(true);
  w.SetHelpTopic(*recap_, kRecapTopic);
  w.SetHelpTopic(vbOnline, kVBOnlineTopic);
  recap_->onChange = [this] { ReportRecap(); };
  step.finish.onClick = [this] {
    if (const auto choices = PassesFinishPreflight(window_)) RunFinishFlow(window_, *choices);
  };
  preview.onClick = [this] { PreviewFinish(window_); };
  faq.onClick = [this] { ShowFrequentlyAskedQuestions(window_.GetHost()); };
  vbOnline.onClick = [this] { StartOnlineBooks(window_.GetHost(), window_.VBInst()); };
}

void FinishStep::Show(Step step, Direction) {
  IGeneralMgr& gen = *window_.GenMgr();
  label3_->SetCaption(PurposeHeading(gen.WizardPurpose()));
  recap_->SetText(gen.TotalRecapString());
  ShowFrame(step, Frame(step).finish);
}

void FinishStep::ReportRecap() {
  const std::string& text = recap_->Text();
  event::RecapShown recap;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(text::kNL, start);
    if (end == std::string::npos) end = text.size();
    recap.lines.push_back(text.substr(start, end - start));
    start = end + text::kNL.size();
  }
  window_.Runtime().Tell(recap);
}

}  // namespace verbsmith

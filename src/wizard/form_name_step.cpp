#include "wizard/form_name_step.h"

#include "base/identifier.h"
#include "base/texts.h"
#include "generate/vs_main.h"
#include "platform/dialogs.h"
#include "wizard/command_kind_steps.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/recap.h"

namespace verbsmith {

namespace {

constexpr int16_t kNeverShown = 0;
constexpr int16_t kScreenCentered = 1;
constexpr int16_t kAsDesigned = 3;

// The recap line of each FormPosition.
constexpr std::array<std::string_view, 4> kPositionRecap = {
    text::kFormNotShownRecap,
    text::kFormScreenCenteredRecap,
    text::kFormAppCenteredRecap,
    text::kFormAsDesignedRecap,
};

std::string Paragraphs(std::string_view first, std::string_view second) {
  return std::string(first) + std::string(text::kNL) + std::string(text::kNL) + std::string(second);
}

}  // namespace

FormNameStep::FormNameStep(FrmVerbsmith& window) : StepGroup(window) {
  Build();
  noForm_->onClick = [this] { NoFormClicked(); };
  name_->onChange = [this] { window_.FormMgr()->SetFormName(name_->Text()); };
  Frame(Step::kFormName).next.onClick = [this] { Next(); };
}

void FormNameStep::Show(Step step, Direction direction) {
  window_.GenMgr()->SetFormRecapString("");
  ShowFrame(step);
  name_->SetText(window_.FormMgr()->FormName());
  // Coming back keeps the position the user chose.
  if (direction == Direction::kNext) {
    positions_[window_.GenMgr()->CommandIsModeless() ? kNeverShown : kScreenCentered]->SetValue(true);
  }
}

void FormNameStep::NoFormClicked() {
  const bool noForm = noForm_->IsChecked();
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           position_, positions_[0], positions_[1], positions_[2], positions_[3], nameLabel_, name_}) {
    control->SetEnabled(!noForm);
  }
  window_.GenMgr()->SetFormNotRequired(noForm);
  window_.FormMgr()->SetFormName(noForm ? std::string() : name_->Text());
}

bool FormNameStep::Valid() {
  if (noForm_->IsChecked()) return true;
  auto refuseName = [this](const std::string& message) {
    window_.Message(message, mb::kExclamation);
    name_->SetFocus();
    return false;
  };
  const std::string& name = name_->Text();
  if (name.empty()) return refuseName(std::string(text::kChooseFormName));
  // The name becomes a file name and a Visual Basic form name.
  if (!IsIdentifier(name)) return refuseName(std::string(text::kFormNameNotIdentifier));
  if (FileExists(window_.GetHost(), window_.FormMgr()->CompleteFilename())) {
    return refuseName(Paragraphs(text::kFormNameExists, text::kChooseDifferentFormName));
  }
  bool anyPosition = false;
  for (const forms::OptionButton* option : positions_) anyPosition = anyPosition || option->Value();
  if (!anyPosition) {
    window_.Message(std::string(text::kChooseFormPosition), mb::kExclamation);
    return false;
  }
  bool unique = false;
  window_.GenMgr()->NamesUnique(unique);
  if (!unique) {
    window_.Message(Paragraphs(text::kFormNameInProject, text::kChooseDifferentFormName), mb::kOKOnly);
    return false;
  }
  return true;
}

void FormNameStep::Next() {
  if (!Valid()) return;
  IGeneralMgr& gen = *window_.GenMgr();
  // Only a modeless command with a form goes on to the listener questions.
  if (!gen.CommandIsModeless() || noForm_->IsChecked()) MakeNonListener(gen);
  window_.Go(Step::kFormName, Direction::kNext);
}

void FormNameStep::Leave(Step step) {
  IGeneralMgr& gen = *window_.GenMgr();
  if (noForm_->IsChecked()) {
    gen.SetFormRecapString(recap::Item(std::string(text::kFormNotRequiredRecap)));
  } else {
    IFormMgr& form = *window_.FormMgr();
    form.SetFormName(name_->Text());
    int16_t position = kAsDesigned;
    for (int16_t i = 0; i < kAsDesigned; ++i) {
      if (positions_[static_cast<size_t>(i)]->Value()) {
        position = i;
        break;
      }
    }
    form.SetFormPosition(position);
    gen.SetFormRecapString(recap::Item(form.CompleteFilename()) +
                           std::string(kPositionRecap[static_cast<size_t>(position)]) +
                           std::string(text::kNL));
    // A form never shown hosts the controls a map-view listener needs.
    window_.Control<forms::CheckBox>("chkModelessMapViewListener")
        .SetValue(position == kNeverShown ? forms::check::kChecked : forms::check::kUnchecked);
  }
  window_.HideStep(step);
}

}  // namespace verbsmith

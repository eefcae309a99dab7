#include "wizard/command_kind_steps.h"

#include "base/texts.h"
#include "model/masks.h"
#include "platform/dialogs.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/recap.h"

namespace verbsmith {

namespace {

template <size_t N>
bool AnySelected(const std::array<forms::OptionButton*, N>& options) {
  for (const forms::OptionButton* option : options) {
    if (option->Value()) return true;
  }
  return false;
}

// Selects exactly the named option of a set, or clears them all.
template <size_t N>
void SelectExactly(const std::array<forms::OptionButton*, N>& options, std::string_view name) {
  for (forms::OptionButton* option : options) {
    if (option->Name() != name) option->SetValue(false);
  }
  for (forms::OptionButton* option : options) {
    if (option->Name() == name) option->SetValue(true);
  }
}

template <size_t N>
masks::IsChecked SelectedAmong(const std::array<forms::OptionButton*, N>& options,
                               const forms::CheckBox* box = nullptr) {
  return [&options, box](std::string_view name) {
    if (box != nullptr && box->Name() == name) return box->IsChecked();
    for (const forms::OptionButton* option : options) {
      if (option->Name() == name) return option->Value();
    }
    return false;
  };
}

}  // namespace

void MakeNonListener(IGeneralMgr& gen) {
  gen.SetIsMapViewListener(false);
  gen.SetViewListener(0);
  gen.SetViewListenerRequirements(0);
  gen.SetViewListenerCommandType(0);
  recap::ResetListenerPieces(gen, false);
}

CommandKindSteps::CommandKindSteps(FrmVerbsmith& window) : StepGroup(window) {
  BuildComClass();
  BuildModeless();
  BuildListener();
  BuildCommandType();

  modal_->onClick = [this] {
    if (modal_->Value()) window_.GenMgr()->SetCommandIsModeless(false);
  };
  modeless_->onClick = [this] {
    if (modeless_->Value()) window_.GenMgr()->SetCommandIsModeless(true);
  };
  for (forms::OptionButton* option : commandTypes_) {
    option->onClick = [this, option] {
      if (option->Value()) SelectCommandType(option->Name());
    };
  }
  Frame(Step::kComClass).next.onClick = [this] { ComClassNext(); };
  Frame(Step::kModeless).next.onClick = [this] { ModelessNext(); };
  Frame(Step::kListener).next.onClick = [this] { ListenerNext(); };
  Frame(Step::kCommandType).next.onClick = [this] { CommandTypeNext(); };
}

void CommandKindSteps::Show(Step step, Direction) {
  switch (step) {
    case Step::kComClass:
      return ShowComClass();
    case Step::kModeless:
      return ShowModeless();
    case Step::kListener:
      return ShowListener();
    default:
      return ShowCommandType();
  }
}

void CommandKindSteps::Leave(Step step) {
  switch (step) {
    case Step::kComClass:
      window_.HideStep(step);
      recap::RebuildSummary(*window_.GenMgr(), window_.Spec());
      return;
    case Step::kListener:
      return StoreListener();
    case Step::kCommandType:
      return StoreCommandType();
    default:
      return StepGroup::Leave(step);
  }
}

// ---- Classification ----

void CommandKindSteps::ShowComClass() {
  // The options keep what the user left here; the specification may still
  // hold what an earlier purpose loaded (an edited modeless command), so it
  // follows the option shown: the run uses what the user sees.
  if (modal_->Value() || modeless_->Value()) window_.GenMgr()->SetCommandIsModeless(modeless_->Value());
  ShowFrame(Step::kComClass);
}

void CommandKindSteps::ComClassNext() {
  if (!modal_->Value() && !modeless_->Value()) {
    window_.Message(std::string(text::kChooseClassification), mb::kExclamation);
    return;
  }
  window_.Go(Step::kComClass, Direction::kNext);
}

// ---- Modeless ----

void CommandKindSteps::ShowModeless() {
  // Whether it listens is asked here again; until Next it does not.
  MakeNonListener(*window_.GenMgr());
  ShowFrame(Step::kModeless);
  mapViewListener_->SetFocus();
}

void CommandKindSteps::ModelessNext() {
  IGeneralMgr& gen = *window_.GenMgr();
  if (mapViewListener_->IsChecked()) {
    gen.SetIsMapViewListener(true);
    recap::ResetListenerPieces(gen, true);
  } else {
    MakeNonListener(gen);
  }
  window_.Go(Step::kModeless, Direction::kNext);
}

// ---- Listener ----

void CommandKindSteps::ShowListener() {
  IGeneralMgr& gen = *window_.GenMgr();
  if (gen.WizardPurpose() == purpose::kEdit) {
    // Exactly the stored state: a box or option left from an earlier
    // command would change the mask an unchanged edit writes back.
    const masks::ListenerChoice choice = masks::DecodeListenerRequirements(gen.ViewListenerRequirements());
    newViews_->SetValue(choice.newViews ? forms::check::kChecked : forms::check::kUnchecked);
    SelectExactly(listenerOptions_, choice.option);
    // The kind kept when no option is chosen is this command's, not that of
    // a command edited before it.
    gen.SetViewListener(0);
    for (const masks::ListenerOption& option : masks::kListenerOptions) {
      if (option.option == choice.option) gen.SetViewListener(option.value);
    }
  }
  ShowFrame(Step::kListener);
}

void CommandKindSteps::ListenerNext() {
  if (!AnySelected(listenerOptions_) && !newViews_->IsChecked()) {
    window_.Message(std::string(text::kChooseListenerProperty), mb::kExclamation);
    return;
  }
  window_.Go(Step::kListener, Direction::kNext);
}

void CommandKindSteps::StoreListener() {
  window_.HideStep(Step::kListener);
  IGeneralMgr& gen = *window_.GenMgr();
  // Going back to the modeless step has just made the command a
  // non-listener; its listener values stay cleared.
  if (!gen.IsMapViewListener()) return;
  const auto isChecked = SelectedAmong(listenerOptions_, newViews_);
  gen.SetViewListener(masks::EncodeViewListener(isChecked, gen.ViewListener()));
  gen.SetViewListenerRequirements(
      masks::EncodeListenerRequirements(gen.ViewListener(), newViews_->IsChecked()));
  gen.SetViewListenerRequirementsRecap(masks::ListenerRequirementsRecap(isChecked));
}

// ---- Command type ----

void CommandKindSteps::ShowCommandType() {
  IGeneralMgr& gen = *window_.GenMgr();
  if (gen.WizardPurpose() == purpose::kEdit)
    SelectCommandType(masks::DecodeCommandType(gen.ViewListenerCommandType()));
  ShowFrame(Step::kCommandType);
}

void CommandKindSteps::SelectCommandType(std::string_view option) {
  SelectExactly(commandTypes_, option);
}

void CommandKindSteps::CommandTypeNext() {
  if (!AnySelected(commandTypes_)) {
    window_.Message(std::string(text::kChooseCommandType), mb::kExclamation);
    return;
  }
  window_.Go(Step::kCommandType, Direction::kNext);
}

void CommandKindSteps::StoreCommandType() {
  IGeneralMgr& gen = *window_.GenMgr();
  if (gen.IsMapViewListener()) {
    const auto isSelected = SelectedAmong(commandTypes_);
    gen.SetViewListenerCommandType(masks::EncodeCommandType(isSelected, gen.ViewListenerCommandType()));
    gen.SetViewListenerCommandTypeRecap(masks::CommandTypeRecap(isSelected));
  }
  window_.HideStep(Step::kCommandType);
}

}  // namespace verbsmith

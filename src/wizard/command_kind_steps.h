#pragma once
// The steps that decide what kind of command is made: modal or modeless
// (classification), whether a modeless command listens to map views
// (modeless), which views (listener), and what kind of listener it is
// (command type).

#include <array>
#include <string_view>

#include "connection/connection.h"
#include "forms/form.h"
#include "wizard/step_group.h"

namespace verbsmith {

// Makes the command a non-listener: no listener kind, requirements or
// command type, and the listener recap saying so. The kind goes with the
// rest, so the class never keeps a listener's start-up block.
void MakeNonListener(IGeneralMgr& gen);

class CommandKindSteps : public StepGroup {
 public:
  explicit CommandKindSteps(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // command_kind_layout.cpp
  void BuildComClass();
  void BuildModeless();
  void BuildListener();
  void BuildCommandType();

  void ShowComClass();
  void ComClassNext();
  void ShowModeless();
  void ModelessNext();
  void ShowListener();
  void ListenerNext();
  void StoreListener();
  void ShowCommandType();
  void CommandTypeNext();
  void StoreCommandType();
  // Selects exactly the named command-type option (none for an empty name).
  void SelectCommandType(std::string_view option);

  // Classification step.
  forms::OptionButton* modal_ = nullptr;
  forms::OptionButton* modeless_ = nullptr;
  // Modeless step.
  forms::CheckBox* mapViewListener_ = nullptr;
  // Listener step, options in the order they are tested.
  std::array<forms::OptionButton*, 3> listenerOptions_{};
  forms::CheckBox* newViews_ = nullptr;
  // Command-type step, options in the order they are tested. They sit on
  // three panels, so selecting one clears the others by hand.
  std::array<forms::OptionButton*, 6> commandTypes_{};
};

}  // namespace verbsmith

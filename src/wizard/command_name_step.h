#pragma once
// The command-name step: the command's name, description and tool tip, or the registered command to edit or
// delete. For a new command the user types the name; for edit and delete the user picks an entry of the
// command set; for add the names come from the current project (and the registry).

#include <memory>
#include <string>

#include "forms/form.h"
#include "platform/command_set.h"
#include "wizard/step_group.h"

namespace verbsmith {

class CommandNameStep : public StepGroup {
 public:
  explicit CommandNameStep(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // command_name_layout.cpp
  void Build();

  void ShowCmdName(Direction direction);
  void ShowAddOfVBProject();
  void SetHelpTopics(int32_t purpose);
  void NameChanged();
  // A CommandSet working on the run's company and application.
  std::unique_ptr<CommandSet> OpenCommandSet();
  // Entry n (identifier 41001 + n) of an open command set.
  static CommandEntry EntryNumber(CommandSet& set, int32_t n);
  void FillList();
  void CommandChosen();
  void ChooseForDelete(const CommandEntry& entry);
  void ChooseForEdit(const CommandEntry& entry);
  // Looks up the server registered for a chosen ProgID; when there is none
  // usable, empties the name and the list and answers false.
  bool UsableServer(const std::string& progId, std::string& serverPath);
  // CurrentPath, CurrentPathSrc and CurrentPathBin of a registered server.
  void SetDirectoriesOfServer(const std::string& serverPath);
  void Next();
  // The checks of a new command's name; false when one refused it.
  bool CheckNewCommand();
  // The registered command of a project that is not a Visual Basic
  // project, and its directories; false when none can be used.
  bool FindOtherProjectCommand();
  void Back();
  // The class entry ("Name; File.cls") of the current project's public
  // class, or empty after telling the user.
  std::string GetPublicClass();
  // Splits a registered class description into CommandDesc and
  // CommandToolTip.
  void SeparateCommandDescriptoinAndToolTip(const std::string& text);
  // Refuses a name that is not an identifier, focus back on the name.
  bool RefuseNonIdentifier();
  // Empties the command list and its text.
  void ClearList();
  // Exclamation box titled "Carthex Verbsmith", focus back on control.
  void Refuse(const std::string& message, forms::Control& control);

  forms::Label* label7_ = nullptr;
  forms::TextBox* name_ = nullptr;
  forms::ComboBox* list_ = nullptr;
  forms::TextBox* description_ = nullptr;
  forms::TextBox* toolTip_ = nullptr;
  // The purpose the fields were last filled for.
  int32_t filledFor_ = -1;
};

}  // namespace verbsmith

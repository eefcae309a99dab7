#pragma once
// The answers a person gives the wizard, field by field, for a run without
// the window. A field left out (nullopt) keeps what the wizard shows.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

// The names of a form's start-up positions, 0 to 3, as answers give them.
inline constexpr std::array<std::string_view, 4> kFormPositionNames = {"never shown", "screen centered",
                                                                       "application centered", "as designed"};

struct WizardAnswers {
  int32_t purpose = 0;  // WizardPurpose: create, edit, delete or add
  std::optional<std::string> company;
  std::optional<std::string> application;
  int32_t projectType = 0;  // ProjectType of an add run: Visual Basic or other

  // The project step: name, directory (Windows form, as the product names
  // it) and the new subdirectory the project goes in.
  std::optional<std::string> projectName;
  std::optional<std::string> location;
  std::optional<std::string> subdirectory;

  // The command-name step; an edit or delete run chooses commandName from
  // the project's commands. chosenClass is the ProgID to pick when several
  // registered classes match an add run's command.
  std::optional<std::string> commandName;
  std::optional<std::string> description;
  std::optional<std::string> toolTip;
  std::string chosenClass;

  // The bitmap steps: none, or four custom bitmap files (large colour, large
  // monochrome, small colour, small monochrome).
  std::optional<bool> customBitmaps;
  std::optional<std::string> largeColorBitmap, largeMonoBitmap, smallColorBitmap, smallMonoBitmap;

  // The kind of command, its form and, for a modeless command, whether it
  // listens to map views and how.
  bool modeless = false;
  bool noForm = false;
  std::optional<std::string> formName;
  std::optional<int16_t> formPosition;  // 0 never shown .. 3 as designed
  std::optional<bool> mapViewListener;
  std::string listenTo;  // the listener step's option button, e.g. optListenToActiveMapView
  std::optional<bool> tellMeAboutNewViews;
  std::string listenerCommandType;  // the command-type option button, e.g. optSelection

  // The enabling-conditions step: the check boxes to leave checked, all
  // others cleared.
  std::optional<std::vector<std::string>> enablingConditions;

  // The Finish question whether to open the project.
  bool openProject = false;
};

}  // namespace verbsmith

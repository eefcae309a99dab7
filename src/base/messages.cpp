#include "base/messages.h"

#include <map>
#include <stdexcept>
#include <string>

namespace verbsmith {

namespace {

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = {
      // Objects wired at the start of a run.
      {1, "Class Manager object not properly created."},
      {2, "Module Manager object not properly created."},
      {3, "Form Manager object not properly created."},
      {4, "Bitmap Manager object not properly created."},
      {5, "General Manager object not properly created."},
      {6, "Verbsmith not properly created."},
      // Recap of the listener features.
      {8, "View Listener Features"},
      {9, "     + Not a Map View Listener"},
      // Command-name step.
      {11, "Cannot find project file."},
      {13, "Error retrieving project description and tooltip from registry."},
      {14, "Invalid ProgID."},
      {16, "Enter the Command Name, Description, and Tooltip."},
      {17, "Choose a Command Name."},
      {19, "Are you sure you want to delete the command?"},
      {20, "Enter a Command Description."},
      {21, "Correct your project and recompile."},
      {22, "Enter a Tooltip."},
      {24, "Choose a new Command Name."},
      {25, "The Project Name and Command Name must be unique."},
      {26, "This command already exists."},
      {27, "Do you want to reuse this Project Name and Command Name?"},
      {28, "The Project Name and Command Name fields cannot be blank."},
      {29, "Return to the Project Name and Location step and choose a Project Name and a Command Name."},
      {30, "The Project Name and Command Name cannot contain spaces."},
      {31, "The Project Name and Command Name cannot contain punctuation."},
      {32, "The Project Name cannot start with a digit."},
      {33, "The combined length of the Project Name and Command Name is too long."},
      {34, "Do you want to overwrite the command information?"},
      {35, "Cannot find registered command."},
      {36, "Error searching in registry for command."},
      {37, "The expected source directory does not exist."},
      {38, "Cannot find project directory."},
      {39, "Recompile the project to correct the registry."},
      // Finish flows.
      {48, "Cannot register the command."},
      {49, "The command was added to the command set."},
      {50, "A new project for the command was created."},
      {51, "Do you want to open the project now?"},
      {52, "The current project has changed."},
      {53, "Do you want to save the changed to the current project?"},
      {54, "The command was updated in the command set."},
      {55, "This project must be recompiled to see the changes."},
      // Start and project steps.
      {61, "Choose a project type."},
      {62, "Choose an option."},
      {64, "Choose a project name."},
      {65, "Choose a project location."},
      {66, "Invalid subdirectory name."},
      {67, "Key in the subdirectory name only."},
      {68, "The project already exists."},
      {69, "Choose a new project name."},
      {71, "Cannot access the specified drive."},
      // Step headings and labels.
      {74, "A new skeleton command project with the following specifications will be created."},
      {75,
       "The command set information for the current project will be modified to the following "
       "specifications."},
      {76, "The current project will be added to the command set with the following specifications."},
      {77, "A command is contained inside a project."},
      {78, "Note:  BIN and SRC directories will be created as subdirectories of the project location."},
      {79, "Select a command to delete."},
      {80, "Select a command to edit."},
      {81, "If the information below is incorrect, correct the problem and recompile the project."},
      // Reading the current project's classes.
      {114, "Cannot open file for read access."},
      {116, "This project does not have a class."},
      {117, "Cannot continue."},
      // Generated files.
      {138, "Cannot open the class file for write access."},
      {139, "Cannot close the class file."},
      {140, "Cannot open the class file for read access."},
      {141, "Cannot run with this version of Visual Basic."},
      {142, "Invalid form position."},
      {144, "Cannot open form file for write access."},
      {145, "Cannot close the form file."},
      {146, "Cannot open the form file for read access."},
      {156, "Cannot get the Visual Basic Instance."},
      {157, "Cannot open the project file for write access."},
      {158, "Cannot close the project file."},
      {164, "Cannot close file."},
      {165, "Error copying template file."},
      {166, "Error setting file attributes."},
      {167, "Cannot open the project for read access."},
      {168, "Cannot open the module file for write access."},
      {169, "Cannot close the module file."},
      // Registry lookups.
      {171, "Cannot query registry for CLSID."},
      {172, "Cannot open the registry key."},
      {173, "Cannot find InprocServer32 or LocalServer32 registry key."},
      {174, "Cannot open subkey."},
      // Project chooser.
      {175, "Choose a project file."},
      {176, "Multiple project files have been located."},
      {177, "Choose the project you wish to add to the command set."},
      {178, "Project to process:"},
      {179, "Projects found:"},
      {180, "Cannot open registry ProgID.  Recompile project to register command."},
      {181, "Cannot open the module file for read access."},
      // Initialisation file and subdirectory name.
      {185, "Error modifying .INI file."},
      {187, "Remove special characters from subdirectory name."},
  };
  return table;
}

}  // namespace

const std::string& LoadResString(int id) {
  const auto& table = Table();
  auto it = table.find(id);
  if (it == table.end()) throw std::out_of_range("no message " + std::to_string(id));
  return it->second;
}

}  // namespace verbsmith

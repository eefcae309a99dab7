// The project file: read into the line buffer, its own lines rewritten,
// written back; and the project name of an existing project file.

#include "base/messages.h"
#include "base/texts.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/project_lines.h"
#include "generate/vs_main.h"
#include "model/general_mgr_class.h"
#include "model/project_file.h"

namespace verbsmith {

namespace {

constexpr FileMessages kProjectFile{.readOpen = 167, .writeOpen = 157, .close = 158};

// Removes the double quotes around a value; a value without them is kept
// whole.
std::string Unquoted(std::string value) {
  if (!value.empty() && value.front() == '"') value.erase(0, 1);
  if (!value.empty() && value.back() == '"') value.pop_back();
  return value;
}

}  // namespace

void GeneralMgrClass::ReadProject() {
  lines_.Read(host_, completeProjFilename_, kProjectFile);
}

void GeneralMgrClass::ModifyProject() {
  if (classMgr_ == nullptr || moduleMgr_ == nullptr || formMgr_ == nullptr) {
    throw ObjectNotSet(text::kGeneralMgrSource);
  }
  ProjectLineValues values;
  values.description = projectDesc_;
  values.formFilename = formMgr_->FormFilename();
  values.classname = classMgr_->Classname();
  values.classFilename = classMgr_->ClassFilename();
  values.moduleName = moduleMgr_->ModuleName();
  values.moduleFilename = moduleMgr_->ModuleFilename();
  values.projectName = projectName_;
  values.binPath = currentPathBin_;
  if (wizardPurpose_ == purpose::kEdit) {
    // The wizard derives the form and module names from the command's name;
    // a project that named its own must not end up naming files it lacks.
    values.keepFormLine = !FileExists(host_, formMgr_->CompleteFilename());
    values.keepModuleLine = !FileExists(host_, moduleMgr_->CompleteFilename());
  }
  SetProjectLines(lines_, values);
}

void GeneralMgrClass::WriteModifiedProject() {
  lines_.Write(host_, completeProjFilename_, kProjectFile);
}

std::string ProjectNameFromFile(Host& host, const std::string& path) {
  constexpr std::string_view kKey = "Name=";
  std::string message = LoadResString(kProjectFile.readOpen);
  std::string name;
  try {
    for (const std::string& line : SplitTextLines(host.fs.ReadText(path))) {
      if (line.starts_with(kKey)) {
        name = Unquoted(line.substr(line.find('=') + 1));
        break;
      }
    }
    message = LoadResString(kProjectFile.close);
  } catch (const VbError& e) {
    host.err.Set(e);
    ReportError(host, e.Description(), &message);
  }
  return name;
}

}  // namespace verbsmith

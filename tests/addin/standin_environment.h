#pragma once
// A stand-in for the Visual Basic environment's object model, as far as the
// add-in uses it: Version, FullName, CommandBars with an "Add-Ins" bar
// whose Controls take buttons, Events.CommandBarEvents with a connection
// point that raises Click, LoadProject, and an active project whose
// components have IsDirty and Reload. Every call is logged.

#include <memory>
#include <string>
#include <vector>

#include "standin_object.h"

namespace verbsmith::standin {

struct Button {
  std::string caption;
  bool deleted = false;
  IDispatch* object = nullptr;
  StandInEventSource* events = nullptr;  // made by Events.CommandBarEvents
};

struct Component {
  std::string name;
  bool dirty = false;
};

class StandInEnvironment {
 public:
  explicit StandInEnvironment(std::string version = "6.0", bool addInsBar = true);
  ~StandInEnvironment();
  StandInEnvironment(const StandInEnvironment&) = delete;
  StandInEnvironment& operator=(const StandInEnvironment&) = delete;

  // The root object, VBE.
  IDispatch* Vbe() const { return vbe_; }
  // A click on a button, raised through its events objects.
  void Click(const Button& button);

  CallLog log;
  std::vector<std::unique_ptr<Button>> buttons;
  std::vector<Component> components;
  bool projectDirty = false;
  std::vector<std::string> loadedProjects;

 private:
  IDispatch* Make(std::string name, std::vector<std::pair<std::wstring, Handler>> members);

  std::vector<IDispatch*> owned_;
  IDispatch* vbe_ = nullptr;
};

}  // namespace verbsmith::standin

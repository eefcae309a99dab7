#pragma once
// The development environment's extensibility object model (VBE), as far as
// the product uses it. Failures throw VbError.

#include <functional>
#include <memory>
#include <string>

namespace verbsmith {

class IdeComponent {
 public:
  virtual ~IdeComponent() = default;
  virtual std::string Name() const = 0;
  virtual bool IsDirty() const = 0;
  virtual void SetIsDirty(bool dirty) = 0;
  // Re-reads the component from its file, dropping the environment's copy.
  virtual void Reload() = 0;
};

class IdeProject {
 public:
  virtual ~IdeProject() = default;
  virtual std::string FileName() const = 0;
  virtual bool IsDirty() const = 0;
  virtual void SetIsDirty(bool dirty) = 0;
  virtual int ComponentCount() const = 0;
  // Positions 0 to ComponentCount() - 1.
  virtual IdeComponent& Component(int position) = 0;
};

class CommandBarControl {
 public:
  virtual ~CommandBarControl() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Removes the control from its bar; the object stays valid but detached.
  virtual void Delete() = 0;
};

class CommandBar {
 public:
  virtual ~CommandBar() = default;
  virtual std::string Name() const = 0;
  // Adds a button (control type 1) at the end of the bar.
  virtual CommandBarControl& AddButton() = 0;
  virtual int ControlCount() const = 0;
};

// The event source of one command-bar control (Events.CommandBarEvents).
class CommandBarEvents {
 public:
  virtual ~CommandBarEvents() = default;
  virtual void OnClick(std::function<void()> handler) = 0;
};

class Ide {
 public:
  virtual ~Ide() = default;
  virtual std::string Version() const = 0;
  // Full path of the environment's executable, Windows form.
  virtual std::string FullName() const = 0;
  // The named command bar, or nullptr.
  virtual CommandBar* FindCommandBar(const std::string& name) = 0;
  virtual std::unique_ptr<CommandBarEvents> CommandBarEventsFor(CommandBarControl& control) = 0;
  // Delivers a click to a control, as the user would (raises its events).
  virtual void ClickControl(CommandBarControl& control) = 0;
  // Loads a project file and makes it the active project.
  virtual void LoadProject(const std::string& path, bool flag) = 0;
  // The active project; throws VbError when none is loaded.
  virtual IdeProject& ActiveProject() = 0;
};

}  // namespace verbsmith

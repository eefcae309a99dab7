#pragma once
// The development environment on Windows: its extensibility objects reached
// by member name through IDispatch, so that no type library of the
// environment is needed. The objects handed out stay valid as long as this
// adapter.

#include <memory>
#include <string>
#include <vector>

#include "platform/ide.h"
#include "platform/win32/dispatch_call.h"

namespace verbsmith {

class Win32Ide final : public Ide {
 public:
  // vbe: the environment's root object, as OnConnection receives it.
  explicit Win32Ide(IDispatch* vbe);
  ~Win32Ide() override;

  IDispatch* Root() const { return vbe_.get(); }

  std::string Version() const override;
  std::string FullName() const override;
  CommandBar* FindCommandBar(const std::string& name) override;
  std::unique_ptr<CommandBarEvents> CommandBarEventsFor(CommandBarControl& control) override;
  void ClickControl(CommandBarControl& control) override;
  void LoadProject(const std::string& path, bool flag) override;
  IdeProject& ActiveProject() override;

 private:
  DispatchRef vbe_;
  std::vector<std::unique_ptr<CommandBar>> bars_;
  std::vector<std::unique_ptr<IdeProject>> projects_;
};

}  // namespace verbsmith

#pragma once
// VerbsmithCls: the add-in's connection object. The development environment
// creates it and calls OnConnection; it puts the menu entry on the "Add-Ins"
// bar, and each run of the wizard gets five new managers that reach each
// other, and the environment, through this object's members (its manager
// set).

#include <functional>
#include <memory>

#include "managers/manager_set.h"
#include "platform/host.h"
#include "platform/ide.h"
#include "wizard/wizard_window.h"

namespace verbsmith {

// The environment's connect modes.
namespace connectmode {
inline constexpr int kAfterStartup = 0;
inline constexpr int kStartup = 1;
inline constexpr int kExternal = 2;
inline constexpr int kCommandLine = 3;
}  // namespace connectmode

class VerbsmithCls : public ManagerSet {
 public:
  using WindowFactory = std::function<std::unique_ptr<WizardWindow>(Host&)>;

  // Creates the wizard window object (not loaded); every other member stays
  // empty.
  VerbsmithCls(Host& host, const WindowFactory& makeWindow);
  // Unloads the wizard window, then releases the window, the managers and
  // the environment references.
  ~VerbsmithCls() override;
  VerbsmithCls(const VerbsmithCls&) = delete;
  VerbsmithCls& operator=(const VerbsmithCls&) = delete;

  // IDTExtensibility. Failures are shown in a message box, never raised.
  void OnConnection(Ide* vbInst, int connectMode);
  void OnDisconnection(int removeMode);
  void OnStartupComplete() {}
  void OnAddInsUpdate() {}

  // Stores the environment instance handed to the managers as VBInst.
  void ConnectAddIn(Ide* vbInst) { SetVBInst(vbInst); }

  CommandBarEvents* MenuHandler() const { return menuHandler_.get(); }
  void SetMenuHandler(std::unique_ptr<CommandBarEvents> handler);
  // The menu entry on the "Add-Ins" bar; nullptr when there is none.
  CommandBarControl* MenuEntry() const { return menuEntry_; }

 private:
  void MenuHandler_Click();
  void ShowWizard();
  CommandBarControl* AddToAddInCommandBar(const std::string& caption);
  void ShowFailure(const std::string& description);

  Host& host_;
  std::unique_ptr<WizardWindow> wizard_;
  Ide* environment_ = nullptr;
  CommandBarControl* menuEntry_ = nullptr;
  std::unique_ptr<CommandBarEvents> menuHandler_;
};

}  // namespace verbsmith

#include "shell/verbsmith_cls.h"

#include <exception>
#include <string>
#include <utility>

#include "base/messages.h"
#include "base/texts.h"
#include "platform/dialogs.h"

namespace verbsmith {

namespace {

constexpr int kVersionMessage = 141;

std::string Text(std::string_view text) {
  return std::string(text);
}

}  // namespace

VerbsmithCls::VerbsmithCls(Host& host, const WindowFactory& makeWindow) : ManagerSet(host), host_(host) {
  try {
    wizard_ = makeWindow(host_);
  } catch (const VbError& e) {
    ShowFailure(e.Description());
  }
}

VerbsmithCls::~VerbsmithCls() {
  try {
    if (wizard_) wizard_->UnloadWindow();
  } catch (const VbError& e) {
    ShowFailure(e.Description());
  }
  // Released in this order: the window first, so it never outlives the
  // managers it refers to.
  wizard_.reset();
  Release();
  SetVBInst(nullptr);
  environment_ = nullptr;
}

void VerbsmithCls::OnConnection(Ide* vbInst, int connectMode) {
  try {
    environment_ = vbInst;
    if (environment_ == nullptr)
      throw VbError::Standard(vberr::kObjectVariableNotSet, Text(text::kSettingsApp));
    const std::string version = environment_->Version();
    if (version.empty() || (version.front() != '6' && version.front() != '5')) {
      host_.dialogs.MsgBox(LoadResString(kVersionMessage), mb::kExclamation, Text(text::kTitle));
      return;
    }
    if (connectMode == connectmode::kExternal) {
      ShowWizard();
      return;
    }
    menuEntry_ = AddToAddInCommandBar(Text(text::kMenuCaption));
    if (menuEntry_ == nullptr) {
      // Without a menu entry there is nothing to subscribe to.
      throw VbError(vberr::kInvalidProcedureCall, Text(text::kSettingsApp),
                    VbErrorText(vberr::kInvalidProcedureCall));
    }
    SetMenuHandler(environment_->CommandBarEventsFor(*menuEntry_));
    if (connectMode == connectmode::kAfterStartup) {
      const std::string display = host_.settings.GetSetting(
          Text(text::kSettingsApp), Text(text::kSettingsSection), Text(text::kDisplayOnConnect), "0");
      if (display == "1") ShowWizard();
    }
  } catch (const VbError& e) {
    ShowFailure(e.Description());
  }
}

void VerbsmithCls::OnDisconnection(int /*removeMode*/) {
  // Nothing here is ever reported: each step is tried on its own.
  try {
    if (menuEntry_ != nullptr) menuEntry_->Delete();
  } catch (const VbError&) {
    // The environment is going away; a menu entry it cannot delete goes with it.
  }
  try {
    host_.settings.SaveSetting(Text(text::kSettingsApp), Text(text::kSettingsSection),
                               Text(text::kDisplayOnConnect), "0");
  } catch (const VbError&) {
    // An unsaved setting only shows the wizard once more at the next start.
  }
}

void VerbsmithCls::SetMenuHandler(std::unique_ptr<CommandBarEvents> handler) {
  menuHandler_ = std::move(handler);
  if (menuHandler_) menuHandler_->OnClick([this] { MenuHandler_Click(); });
}

void VerbsmithCls::MenuHandler_Click() {
  ShowWizard();
}

CommandBarControl* VerbsmithCls::AddToAddInCommandBar(const std::string& caption) {
  try {
    CommandBar* bar = environment_->FindCommandBar(Text(text::kAddInsBar));
    if (bar == nullptr) return nullptr;
    CommandBarControl& control = bar->AddButton();
    control.SetCaption(caption);
    return &control;
  } catch (const VbError&) {
    return nullptr;
  }
}

void VerbsmithCls::ShowWizard() {
  try {
    // Every run starts from fresh managers with their defaults.
    Renew();

    if (!wizard_) throw VbError::Standard(vberr::kObjectVariableNotSet, Text(text::kSettingsApp));
    wizard_->InitializeObjects(this);
    wizard_->RunModal();
  } catch (const VbError& e) {
    ShowFailure(e.Description());
  }
}

void VerbsmithCls::ShowFailure(const std::string& description) {
  host_.dialogs.MsgBox(description, mb::kOKOnly, std::nullopt);
}

}  // namespace verbsmith

#include "win32view/win32_wizard.h"

#include "shell/headless.h"

namespace verbsmith::win32view {

Win32Wizard::Win32Wizard(HWND owner, SessionEvents& out) : owner_(owner), recording_(out) {
  source_.SetRecording(&recording_);
}

void Win32Wizard::Run(Host& host, Ide& ide) {
  forms::FormsRuntime runtime(screen_, recording_, &source_);
  source_.Attach(runtime, &host.fs);
  const bool ownerWasEnabled = owner_ != nullptr && IsWindowEnabled(owner_);
  if (ownerWasEnabled) EnableWindow(owner_, FALSE);
  const auto finish = [&] {
    recording_.Finish();
    // The owner takes input again before the wizard's windows go, so that
    // Windows gives it the activation back.
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    source_.CloseWindows();
    source_.Detach();
  };
  try {
    shell::RunWizardSession(host, ide, runtime);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

}  // namespace verbsmith::win32view

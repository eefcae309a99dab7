#include "win32view/win32_action_source.h"

#include <algorithm>

#include "forms/name_match.h"

namespace verbsmith::win32view {

Win32ActionSource::Win32ActionSource(HWND owner, WindowScreen& screen) : owner_(owner), screen_(screen) {}

Win32ActionSource::~Win32ActionSource() {
  CloseWindows();
}

void Win32ActionSource::Attach(forms::FormsRuntime& runtime, FileSystem* files) {
  runtime_ = &runtime;
  files_ = files;
}

std::optional<forms::UserAction> Win32ActionSource::Next() {
  if (gestures_.Waiting()) {
    Sync();
    DispatchUntilAction();
  }
  return gestures_.Take();
}

void Win32ActionSource::DispatchUntilAction() {
  MSG message;
  while (gestures_.Waiting()) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The thread is told to end: the wizard closes, and the loop
        // outside it hears the same.
        gestures_.Stop();
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
      continue;
    }
    if (onIdle) {
      onIdle();
      if (!gestures_.Waiting() || PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) continue;
    }
    WaitMessage();
  }
}

FormWindow& Win32ActionSource::WindowFor(forms::Form& form) {
  std::unique_ptr<FormWindow>& window = windows_[&form];
  // A form is shown with the controls it was built with; one that gained
  // controls since gets a new window.
  if (window && !window->Covers(form)) window.reset();
  if (!window) {
    // A modal form is owned by the one it was shown over.
    HWND owner = owner_;
    const std::vector<forms::Form*>& modal = runtime_->ModalStack();
    if (const auto at = std::find(modal.begin(), modal.end(), &form);
        at != modal.end() && at != modal.begin()) {
      if (const auto below = windows_.find(*std::prev(at)); below != windows_.end() && below->second)
        owner = below->second->Handle();
    }
    const forms::TwipsScale scale{screen_.TwipsPerPixelX(), screen_.TwipsPerPixelY()};
    window = std::make_unique<FormWindow>(
        form, files_, scale, [this](forms::UserAction action) { Post(std::move(action)); }, owner);
    FormWindow* made = window.get();
    made->onFirstPaint = [this, made] {
      if (onFirstPaint) onFirstPaint(*made);
    };
    screen_.Track(form.WindowHandle(), made->Handle());
  }
  return *window;
}

void Win32ActionSource::Sync() {
  if (runtime_ == nullptr) return;
  const std::vector<forms::Form*>& forms = runtime_->Forms();
  // Windows of forms that no longer exist go first; their forms are gone,
  // so only their addresses are compared. Windows owned by one that goes
  // would go with it: they are handed to its owner first.
  const auto gone = [&forms](const auto& entry) {
    return std::find(forms.begin(), forms.end(), entry.first) == forms.end();
  };
  for (const auto& entry : windows_) {
    if (!gone(entry)) continue;
    for (const auto& other : windows_) {
      if (other.second->Owner() == entry.second->Handle())
        SetWindowLongPtrW(other.second->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
    }
  }
  std::erase_if(windows_, gone);
  forms::Form* front = runtime_->ActiveModalForm();
  for (forms::Form* form : forms) {
    const bool shown = form->IsLoaded() && form->Visible();
    if (!shown) {
      if (const auto it = windows_.find(form); it != windows_.end())
        ShowWindow(it->second->Handle(), SW_HIDE);
      continue;
    }
    FormWindow& window = WindowFor(*form);
    window.Sync();
    // A modal form keeps the windows behind it from taking actions.
    const bool enabled = form->Enabled() && (front == nullptr || front == form);
    if ((IsWindowEnabled(window.Handle()) != FALSE) != enabled) EnableWindow(window.Handle(), enabled);
    if (!IsWindowVisible(window.Handle())) ShowWindow(window.Handle(), SW_SHOW);
  }
  if (FormWindow* window = FrontWindow(); window != nullptr && IsWindowVisible(window->Handle())) {
    if (GetActiveWindow() != window->Handle()) SetActiveWindow(window->Handle());
    window->SyncFocus();
  }
}

void Win32ActionSource::CloseWindows() {
  // Owned windows go before their owners, which would destroy them too.
  while (!windows_.empty()) {
    auto owned = std::find_if(windows_.begin(), windows_.end(), [this](const auto& entry) {
      return std::none_of(windows_.begin(), windows_.end(), [&entry](const auto& other) {
        return other.second->Owner() == entry.second->Handle();
      });
    });
    windows_.erase(owned != windows_.end() ? owned : windows_.begin());
  }
}

FormWindow* Win32ActionSource::WindowOf(std::string_view formName) const {
  for (const auto& [form, window] : windows_) {
    if (forms::SameName(window->Model().Name(), formName)) return window.get();
  }
  return nullptr;
}

FormWindow* Win32ActionSource::FrontWindow() const {
  if (runtime_ == nullptr) return nullptr;
  const auto it = windows_.find(runtime_->ActiveModalForm());
  return it != windows_.end() ? it->second.get() : nullptr;
}

}  // namespace verbsmith::win32view

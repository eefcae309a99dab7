#include "qt/window_action_source.h"

#include <QEventLoop>
#include <algorithm>

#include "forms/name_match.h"

namespace verbsmith::qt {

WindowActionSource::WindowActionSource(FileSystem* files) : files_(files) {}

WindowActionSource::~WindowActionSource() {
  // Owned windows go before their owners, which would delete them too.
  std::erase_if(windows_, [](const auto& entry) { return entry.second->parentWidget() != nullptr; });
}

std::optional<forms::UserAction> WindowActionSource::Next() {
  if (gestures_.Waiting()) {
    Sync();
    if (onWaiting) onWaiting();
    QEventLoop loop;
    waiting_ = &loop;
    if (gestures_.Waiting()) loop.exec();
    waiting_ = nullptr;
  }
  return gestures_.Take();
}

void WindowActionSource::Post(forms::UserAction action) {
  gestures_.Post(std::move(action));
  if (waiting_ != nullptr) waiting_->quit();
}

void WindowActionSource::Stop() {
  gestures_.Stop();
  if (waiting_ != nullptr) waiting_->quit();
}

FormWindow& WindowActionSource::WindowFor(forms::Form& form) {
  std::unique_ptr<FormWindow>& window = windows_[&form];
  // A form is shown with the controls it was built with; one that gained
  // controls since gets a new window.
  if (window && !window->Covers(form)) window.reset();
  if (!window) {
    // A modal form is owned by the one it was shown over.
    QWidget* owner = nullptr;
    const std::vector<forms::Form*>& modal = runtime_->ModalStack();
    if (const auto at = std::find(modal.begin(), modal.end(), &form);
        at != modal.end() && at != modal.begin()) {
      if (const auto below = windows_.find(*std::prev(at)); below != windows_.end())
        owner = below->second.get();
    }
    window = std::make_unique<FormWindow>(
        form, files_, [this](forms::UserAction action) { Post(std::move(action)); }, owner);
    FormWindow* made = window.get();
    made->onFirstPaint = [this, made] {
      if (onFirstPaint) onFirstPaint(*made);
    };
    if (screen_ != nullptr) screen_->TrackWindow(form.WindowHandle(), made);
  }
  return *window;
}

void WindowActionSource::Sync() {
  if (runtime_ == nullptr) return;
  const std::vector<forms::Form*>& forms = runtime_->Forms();
  // Windows of forms that no longer exist go first; their forms are gone,
  // so only their addresses are compared.
  const auto gone = [&forms](const auto& entry) {
    return std::find(forms.begin(), forms.end(), entry.first) == forms.end();
  };
  // A window whose owner goes keeps living on its own until its form goes.
  for (const auto& entry : windows_) {
    QWidget* owner = entry.second->parentWidget();
    if (owner == nullptr) continue;
    for (const auto& other : windows_) {
      if (other.second.get() == owner && gone(other))
        entry.second->setParent(nullptr, entry.second->windowFlags());
    }
  }
  std::erase_if(windows_, gone);
  const std::vector<forms::Form*>& modal = runtime_->ModalStack();
  for (forms::Form* form : forms) {
    const bool shown = form->IsLoaded() && form->Visible();
    if (!shown) {
      if (const auto it = windows_.find(form); it != windows_.end()) it->second->hide();
      continue;
    }
    FormWindow& window = WindowFor(*form);
    window.Sync();
    if (!window.isVisible()) {
      // A modal form keeps the windows behind it from taking actions.
      const bool isModal = std::find(modal.begin(), modal.end(), form) != modal.end();
      window.setWindowModality(isModal ? Qt::ApplicationModal : Qt::NonModal);
      window.show();
    }
  }
  if (forms::Form* front = runtime_->ActiveModalForm(); front != nullptr) {
    if (const auto it = windows_.find(front); it != windows_.end() && it->second->isVisible()) {
      if (!it->second->isActiveWindow()) {
        it->second->raise();
        it->second->activateWindow();
      }
      it->second->SyncFocus();
    }
  }
}

void WindowActionSource::HideWindows() {
  for (const auto& [form, window] : windows_) window->hide();
}

FormWindow* WindowActionSource::WindowOf(std::string_view formName) const {
  for (const auto& [form, window] : windows_) {
    if (forms::SameName(window->objectName().toStdString(), formName)) return window.get();
  }
  return nullptr;
}

}  // namespace verbsmith::qt

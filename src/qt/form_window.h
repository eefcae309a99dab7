#pragma once
// The window that shows one form: a widget for each of its controls, laid
// out at their designed places. Sync brings every widget in line with the
// runtime; the keys a person presses become the runtime's user actions, so
// focus moves, Tab order, Enter, Escape and F1 follow the runtime and behave
// as in a scripted run.

#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "qt/control_view.h"

namespace verbsmith::qt {

class FormWindow : public QWidget {
 public:
  // `post` hands a person's actions to the runtime. A window with an owner
  // (the window a modal dialog was opened from) stays above it and goes
  // with it.
  FormWindow(forms::Form& form, FileSystem* files, std::function<void(forms::UserAction)> post,
             QWidget* owner = nullptr);
  ~FormWindow() override;

  forms::Form& Model() const { return form_; }
  // Caption, size, place, and every control's widget.
  void Sync();
  // Gives the keyboard focus to the control the runtime's focus is on.
  void SyncFocus();
  // The widget of a control of this form, or nullptr.
  QWidget* WidgetOf(const forms::Control* control) const;
  // The views, in the order of the form's controls.
  const std::vector<std::unique_ptr<ControlView>>& Views() const { return views_; }
  // Whether the window shows this form with the controls it has now (a form
  // made anew at the same address has another handle).
  bool Covers(const forms::Form& form) const {
    return handle_ == form.WindowHandle() && views_.size() == form.Controls().size();
  }

  // Called once, when the window is first painted.
  std::function<void()> onFirstPaint;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool KeyPressed(ControlView& view, QKeyEvent& event);
  QSize ClientSize() const;

  forms::Form& form_;
  int64_t handle_;
  ViewContext context_;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::unordered_map<const forms::Control*, ControlView*> byControl_;
  std::unordered_map<QObject*, ControlView*> byKeyWidget_;
  std::unordered_map<QObject*, ControlView*> byMouseWidget_;
  bool painted_ = false;
  QSize initialSize_;  // a sizable form's window is never smaller
};

}  // namespace verbsmith::qt

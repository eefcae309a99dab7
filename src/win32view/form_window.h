#pragma once
// The native window that shows one form: a child window for each of its
// controls, at their designed places. Sync brings every window in line with
// the runtime; what a person does becomes the runtime's user actions, so
// focus moves, Tab order, Enter, Escape and F1 follow the runtime and behave
// as in a scripted run.

#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "win32view/control_window.h"

namespace verbsmith::win32view {

class FormWindow {
 public:
  // `post` hands a person's actions to the runtime. A window with an owner
  // stays above it; the owner takes no input while this one is modal.
  FormWindow(forms::Form& form, FileSystem* files, forms::TwipsScale scale,
             std::function<void(forms::UserAction)> post, HWND owner);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  forms::Form& Model() const { return form_; }
  HWND Handle() const { return window_; }
  HWND Owner() const { return owner_; }
  // Caption, size, place, and every control's window.
  void Sync();
  // Gives the keyboard focus to the control the runtime's focus is on.
  void SyncFocus();
  // The window of a control of this form by its name, or nullptr.
  HWND ControlHandle(std::string_view controlName) const;
  // The control windows, in the order of the form's controls.
  const std::vector<std::unique_ptr<ControlWindow>>& Views() const { return views_; }
  // Whether the window shows this form with the controls it has now (a form
  // made anew at the same address has another handle).
  bool Covers(const forms::Form& form) const {
    return handle_ == form.WindowHandle() && views_.size() == form.Controls().size();
  }

  // Called once, after the window is first painted.
  std::function<void()> onFirstPaint;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR view);
  LRESULT Respond(UINT message, WPARAM wParam, LPARAM lParam);
  bool KeyPressed(ControlWindow& view, UINT message, WPARAM wParam, LPARAM lParam);
  SIZE OuterSize() const;

  forms::Form& form_;
  int64_t handle_;
  HWND owner_;
  ViewContext context_;
  HWND window_ = nullptr;
  std::vector<std::unique_ptr<ControlWindow>> views_;
  std::unordered_map<HWND, ControlWindow*> byWindow_;
  bool painted_ = false;
  bool keyTaken_ = false;  // the character of a key the runtime took is dropped
  SIZE sizeSet_{};
};

}  // namespace verbsmith::win32view

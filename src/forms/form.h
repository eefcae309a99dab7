#pragma once
// A form: a window with named controls and Visual Basic's form behaviour
// (Load, Activate, Paint and Unload events, focus, default and cancel
// buttons, modal showing).
//
// Building a form and showing it modally:
//
//   class FrmAsk : public forms::Form {
//    public:
//     explicit FrmAsk(forms::FormsRuntime& runtime) : Form(runtime, "frmAsk") {
//       SetCaption("Ask");
//       auto& fra = Add<forms::Frame>("fraMain");
//       auto& txt = Add<forms::TextBox>("txtName", fra);
//       auto& ok = Add<forms::CommandButton>("cmdOK", fra);
//       ok.SetDefault(true);
//       onLoad = [&ok] { ok.SetEnabled(false); };
//       txt.onChange = [&] { ok.SetEnabled(!txt.Text().empty()); };
//       ok.onClick = [this] { Hide(); };
//     }
//   };
//
//   FrmAsk ask(runtime);
//   ask.ShowModal();   // returns once the form is hidden or unloaded
//   std::string name = ask.Control<forms::TextBox>("txtName").Text();
//   ask.Unload();
//
// ShowModal runs a loop that pulls user actions from the runtime's action
// source and carries them out (see user_actions.h) until the form is hidden
// or unloaded. A modal form shown from an event handler runs its own loop
// on the same source. When the source runs dry the open form is closed as
// if by its close box, so a run always ends.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/vb_error.h"
#include "forms/check_box.h"
#include "forms/control.h"
#include "forms/file_list_controls.h"
#include "forms/forms_runtime.h"
#include "forms/list_control.h"
#include "forms/option_button.h"
#include "forms/simple_controls.h"
#include "forms/text_box.h"

namespace verbsmith::forms {

class Form {
 public:
  Form(FormsRuntime& runtime, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  FormsRuntime& Runtime() const { return runtime_; }
  // The window handle (Visual Basic's hWnd).
  int64_t WindowHandle() const { return handle_; }

  // Adds a control directly on the form, or inside a frame or picture box.
  template <class T>
  T& Add(std::string name) {
    return AddTo<T>(std::move(name), nullptr);
  }
  template <class T>
  T& Add(std::string name, forms::Control& container) {
    return AddTo<T>(std::move(name), &container);
  }

  // The control with this name (case ignored), of the given kind. Raises
  // error 730 when there is none and 13 (type mismatch) for another kind.
  template <class T = forms::Control>
  T& Control(std::string_view name) const {
    forms::Control& control = ControlNamed(name);
    if constexpr (std::is_same_v<T, forms::Control>) {
      return control;
    } else {
      T* typed = dynamic_cast<T*>(&control);
      if (!typed)
        throw VbError(
            13, name_,
            "Type mismatch: " + control.Name() + " is a " + std::string(ControlKindName(control.Kind())));
      return *typed;
    }
  }
  // nullptr when there is no such control.
  forms::Control* FindControl(std::string_view name) const;
  // All controls in the order they were added.
  std::vector<forms::Control*> Controls() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetWidth(int32_t width) { width_ = width; }
  void SetHeight(int32_t height) { height_ = height; }
  void Move(int32_t left, int32_t top) { left_ = left, top_ = top; }
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }
  const std::string& FontName() const { return fontName_; }
  void SetFontName(std::string fontName) { fontName_ = std::move(fontName); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // A sizable form (Visual Basic's BorderStyle 2) can be dragged larger
  // than its size when this is set, never smaller; Resize then fires.
  bool Sizable() const { return sizable_; }
  void SetSizable(bool sizable) { sizable_ = sizable, minWidth_ = width_, minHeight_ = height_; }
  // A person's resize: kept to the smallest size, then Resize fires.
  void ResizeByPerson(int32_t width, int32_t height);

  bool IsLoaded() const { return loaded_; }
  bool Visible() const { return visible_; }

  // Loads the form (fires Load) unless it is loaded.
  void Load();
  // Shows the form without a loop of its own: loads it, makes it visible,
  // fires Activate, gives the focus to the first control in tab order when
  // nothing has it, and fires Paint.
  void Show();
  // Shows the form like Show and returns only when it is hidden or
  // unloaded. Raises error 400 when the form is already visible.
  void ShowModal();
  void Hide();
  // Fires Unload; unless the handler cancels, hides and unloads the form.
  // Returns whether the form was unloaded. The controls keep their values.
  bool Unload();
  // Fires Paint.
  void Refresh();

  // The control that has the focus, or nullptr.
  forms::Control* ActiveControl() const { return activeControl_; }
  CommandButton* DefaultButton() const { return defaultButton_; }
  CommandButton* CancelButton() const { return cancelButton_; }
  // The focusable, visible and enabled control that follows (or, backward,
  // precedes) the given one in tab order, wrapping round; nullptr when there
  // is none. A group of option buttons is one stop: its selected button, or
  // its first when none is selected.
  forms::Control* NextInTabOrder(const forms::Control* from, bool backward = false) const;

  std::function<void()> onLoad;
  std::function<void()> onActivate;
  std::function<void()> onPaint;
  std::function<void(bool& cancel)> onUnload;
  std::function<void()> onResize;

  // Used by the controls.
  void MoveFocus(forms::Control* target);
  // Moves the focus as the keyboard does (Tab, an access key, a step's
  // first control): a text box reached so has its text selected, so typing
  // replaces it.
  void TabTo(forms::Control* target);
  void SetDefaultButton(CommandButton* button) { defaultButton_ = button; }
  void SetCancelButton(CommandButton* button) { cancelButton_ = button; }
  void Tell(const SessionEvent& event) const { runtime_.Tell(event); }

 private:
  template <class T>
  T& AddTo(std::string name, forms::Control* container) {
    static_assert(std::is_base_of_v<forms::Control, T>);
    CheckNewControl(name, container);
    auto control = std::make_unique<T>(*this, std::move(name), container);
    T& added = *control;
    added.SetTabIndex(static_cast<int>(controls_.size()));
    controls_.push_back(std::move(control));
    return added;
  }
  void CheckNewControl(const std::string& name, const forms::Control* container) const;
  bool IsTabStop(const forms::Control& control) const;
  forms::Control& ControlNamed(std::string_view name) const;
  void MakeVisible();

  FormsRuntime& runtime_;
  std::string name_;
  int64_t handle_;
  std::vector<std::unique_ptr<forms::Control>> controls_;
  std::string caption_;
  int32_t left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  std::string fontName_ = "MS Sans Serif";
  bool enabled_ = true;
  bool sizable_ = false;
  int32_t minWidth_ = 0, minHeight_ = 0;
  bool loaded_ = false;
  bool visible_ = false;
  forms::Control* activeControl_ = nullptr;
  bool focusArrived_ = false;  // the active control's GotFocus has fired
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
};

}  // namespace verbsmith::forms

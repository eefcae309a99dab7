// Windows of the controls that show a caption or hold others: frames,
// labels, buttons of the three kinds, picture boxes, and the never-shown
// image list. Captions keep their access keys: Windows underlines them.

#include "base/vb_error.h"
#include "forms/check_box.h"
#include "forms/option_button.h"
#include "forms/simple_controls.h"
#include "platform/win32/wide_text.h"
#include "win32view/control_window.h"

namespace verbsmith::win32view {

namespace {

class FrameWindow : public ControlWindow {
 public:
  FrameWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control, MakeChild(L"BUTTON", control, BS_GROUPBOX, context), context) {}

 protected:
  void SyncState() override { SetWindowTextIfChanged(Handle(), Wide(Model().Caption())); }
};

// Labels and pictures take no focus; a press on them is a click.
class LabelWindow : public ControlWindow {
 public:
  LabelWindow(forms::Control& control, ViewContext& context, DWORD style)
      : ControlWindow(control, MakeChild(L"STATIC", control, SS_NOTIFY | style, context), context) {}
  void Notified(int code) override {
    if (code == STN_CLICKED) Post(forms::ActionKind::kClick);
  }

 protected:
  void SyncState() override { SetWindowTextIfChanged(Handle(), Wide(Model().Caption())); }
};

DWORD ButtonStyle(forms::ControlKind kind) {
  switch (kind) {
    case forms::ControlKind::kCheckBox:
      return BS_3STATE | BS_MULTILINE;
    case forms::ControlKind::kOptionButton:
      return BS_RADIOBUTTON | BS_MULTILINE;
    default:
      return BS_PUSHBUTTON | BS_MULTILINE;
  }
}

WPARAM CheckStateOf(const forms::CheckBox& check) {
  switch (check.Value()) {
    case forms::check::kChecked:
      return BST_CHECKED;
    case forms::check::kGrayed:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

// Command buttons, check boxes and option buttons: a click of any is the
// runtime's click, which toggles or selects; the buttons never change
// themselves.
class ButtonWindow : public ControlWindow {
 public:
  ButtonWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control,
                      MakeChild(L"BUTTON", control, WS_TABSTOP | ButtonStyle(control.Kind()), context),
                      context) {}
  void Notified(int code) override {
    if (code == BN_CLICKED) Post(forms::ActionKind::kClick);
  }

 protected:
  void SyncState() override {
    HWND button = Handle();
    SetWindowTextIfChanged(button, Wide(Model().Caption()));
    WPARAM state = BST_UNCHECKED;
    if (auto* check = dynamic_cast<forms::CheckBox*>(&Model())) {
      state = CheckStateOf(*check);
    } else if (auto* option = dynamic_cast<forms::OptionButton*>(&Model())) {
      state = option->Value() ? BST_CHECKED : BST_UNCHECKED;
    } else if (auto* command = dynamic_cast<forms::CommandButton*>(&Model())) {
      const DWORD style = command->Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) != style)
        SendMessageW(button, BM_SETSTYLE, style, TRUE);
      return;
    }
    if (SendMessageW(button, BM_GETCHECK, 0, 0) != static_cast<LRESULT>(state))
      SendMessageW(button, BM_SETCHECK, state, 0);
  }
};

// A picture file is shown as its bitmap; the step picture, drawn by the
// wizard, as a sunken panel.
class PictureWindow : public ControlWindow {
 public:
  PictureWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control,
                      MakeChild(L"STATIC", control, SS_NOTIFY | SS_SUNKEN | WS_CLIPCHILDREN, context),
                      context) {}
  ~PictureWindow() override {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  void Notified(int code) override {
    if (code == STN_CLICKED) Post(forms::ActionKind::kClick);
  }

 protected:
  void SyncState() override {
    const std::string& picture = static_cast<forms::PictureBox&>(Model()).Picture();
    if (picture == shown_) return;
    shown_ = picture;
    HBITMAP bitmap = nullptr;
    if (!picture.empty() && Context().files != nullptr) {
      try {
        bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Wide(Context().files->HostPath(picture)).c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
      } catch (const VbError&) {
        // A path on no drive shows nothing, as a missing file does.
      }
    }
    // A bitmap static without a bitmap would show black.
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE) & ~SS_TYPEMASK;
    SetWindowLongW(Handle(), GWL_STYLE, style | (bitmap != nullptr ? SS_BITMAP : SS_LEFT));
    SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    InvalidateRect(Handle(), nullptr, TRUE);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = bitmap;
  }

 private:
  std::string shown_;
  HBITMAP bitmap_ = nullptr;
};

class HiddenWindow : public ControlWindow {
 public:
  HiddenWindow(forms::Control& control, ViewContext& context) : ControlWindow(control, nullptr, context) {}

 protected:
  void SyncState() override {}
};

}  // namespace

std::unique_ptr<ControlWindow> MakeFrameWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<FrameWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeLabelWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<LabelWindow>(control, context, SS_LEFT);
}

std::unique_ptr<ControlWindow> MakeButtonWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<ButtonWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakePictureWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<PictureWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeHiddenWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<HiddenWindow>(control, context);
}

}  // namespace verbsmith::win32view

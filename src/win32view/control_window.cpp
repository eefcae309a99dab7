#include "win32view/control_window.h"

#include "platform/win32/wide_text.h"
#include "win32view/dialog_fonts.h"

namespace verbsmith::win32view {

namespace {

// The picture box whose window holds the control's, or nullptr: the form's.
const forms::Control* HoldingPicture(const forms::Control& control) {
  for (const forms::Control* in = control.Container(); in != nullptr; in = in->Container()) {
    if (in->Kind() == forms::ControlKind::kPictureBox) return in;
  }
  return nullptr;
}

// The control's place in its window's parent: frames hold their controls at
// places relative to themselves.
POINT PlaceInParent(const forms::Control& control) {
  const forms::Control* parent = HoldingPicture(control);
  POINT twips{control.Left(), control.Top()};
  for (const forms::Control* in = control.Container(); in != parent; in = in->Container()) {
    twips.x += in->Left();
    twips.y += in->Top();
  }
  return twips;
}

}  // namespace

ControlWindow::ControlWindow(forms::Control& control, HWND handle, ViewContext& context)
    : control_(control), handle_(handle), context_(context) {}

void ControlWindow::Sync() {
  if (handle_ == nullptr) return;
  const forms::Control& c = control_;
  const forms::TwipsScale& scale = context_.scale;
  const POINT place = PlaceInParent(c);
  const RECT placed{scale.X(place.x), scale.Y(place.y), scale.X(place.x + c.Width()),
                    scale.Y(place.y + c.Height()) + ExtraHeight()};
  if (!EqualRect(&placed, &placed_)) {
    placed_ = placed;
    SetWindowPos(handle_, nullptr, placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (HFONT font = FontFor(c.FontName()); font != font_) {
    font_ = font;
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  // A disabled or hidden frame disables or hides what it holds.
  const bool enabled = c.IsEffectivelyEnabled();
  if ((IsWindowEnabled(handle_) != FALSE) != enabled) EnableWindow(handle_, enabled);
  SyncState();
  const bool visible = c.IsEffectivelyVisible();
  if (((GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0) != visible)
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

HWND MakeChild(const wchar_t* windowClass, const forms::Control& control, DWORD style,
               const ViewContext& context, DWORD extendedStyle) {
  HWND parent = context.form;
  if (const forms::Control* picture = HoldingPicture(control)) {
    if (const auto it = context.pictureWindows.find(picture); it != context.pictureWindows.end())
      parent = it->second;
  }
  return CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetWindowTextIfChanged(HWND window, const std::wstring& text) {
  if (WindowText(window) != text) SetWindowTextW(window, text.c_str());
}

std::unique_ptr<ControlWindow> MakeControlWindow(forms::Control& control, ViewContext& context) {
  using forms::ControlKind;
  switch (control.Kind()) {
    case ControlKind::kFrame:
      return MakeFrameWindow(control, context);
    case ControlKind::kLabel:
      return MakeLabelWindow(control, context);
    case ControlKind::kTextBox:
      return MakeTextBoxWindow(control, context);
    case ControlKind::kCheckBox:
    case ControlKind::kOptionButton:
    case ControlKind::kCommandButton:
      return MakeButtonWindow(control, context);
    case ControlKind::kComboBox:
      return MakeComboBoxWindow(control, context);
    case ControlKind::kListBox:
      return MakeListBoxWindow(control, context);
    case ControlKind::kPictureBox:
      return MakePictureWindow(control, context);
    case ControlKind::kImageList:
      return MakeHiddenWindow(control, context);
    case ControlKind::kDriveListBox:
      return MakeDriveListWindow(control, context);
    case ControlKind::kDirListBox:
      return MakeDirListWindow(control, context);
    case ControlKind::kVScrollBar:
      return MakeScrollBarWindow(control, context);
  }
  return MakeHiddenWindow(control, context);
}

}  // namespace verbsmith::win32view

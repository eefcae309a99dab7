#include "win32view/form_window.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/key_gesture.h"
#include "forms/name_match.h"
#include "platform/win32/wide_text.h"
#include "win32view/dialog_fonts.h"
#include "win32view/win32_keys.h"

namespace verbsmith::win32view {

namespace {

constexpr wchar_t kWindowClass[] = L"CarthexVerbsmithForm";
// Posted to itself after the first paint, so the paint is complete.
constexpr UINT kPaintedMessage = WM_APP + 1;
constexpr UINT_PTR kSubclassId = 1;

DWORD StyleOf(const forms::Form& form) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  return form.Sizable() ? style | WS_THICKFRAME | WS_MAXIMIZEBOX : style;
}
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

// The characters a key the runtime took would type are dropped.
void DropCharacters(HWND window) {
  MSG dropped;
  while (PeekMessageW(&dropped, window, WM_CHAR, WM_DEADCHAR, PM_REMOVE)) {
  }
  while (PeekMessageW(&dropped, window, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
  }
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, FileSystem* files, forms::TwipsScale scale,
                       std::function<void(forms::UserAction)> post, HWND owner)
    : form_(form), handle_(form.WindowHandle()), owner_(owner) {
  RegisterWindowClass(&FormWindow::Procedure);
  context_.scale = scale;
  context_.files = files;
  context_.post = std::move(post);
  window_ =
      CreateWindowExW(kExtendedStyle, kWindowClass, Wide(form.Caption()).c_str(), StyleOf(form),
                      CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
  context_.form = window_;
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(form.FontName())), FALSE);
  // Containers come before what they hold, as the form adds them; each
  // window goes below those before it, so frames stay behind their controls.
  for (forms::Control* control : form.Controls()) {
    views_.push_back(MakeControlWindow(*control, context_));
    ControlWindow* view = views_.back().get();
    if (control->Kind() == forms::ControlKind::kPictureBox) context_.pictureWindows[control] = view->Handle();
    for (HWND input : view->InputWindows()) {
      if (input == nullptr) continue;
      byWindow_[input] = view;
      SetWindowSubclass(input, &FormWindow::ControlProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(view));
    }
  }
}

FormWindow::~FormWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

SIZE FormWindow::OuterSize() const {
  const forms::TwipsScale& scale = context_.scale;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, StyleOf(form_), FALSE, kExtendedStyle);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  int width = scale.X(form_.Width());
  int height = scale.Y(form_.Height());
  // Never smaller than what the form's own controls need.
  for (const forms::Control* control : form_.Controls()) {
    if (control->Container() != nullptr || !control->Visible()) continue;
    width = std::max(width, scale.X(control->Left() + control->Width()) + frameWidth);
    height = std::max(height, scale.Y(control->Top() + control->Height()) + frameHeight);
  }
  return {width, height};
}

void FormWindow::Sync() {
  context_.syncing = true;
  SetWindowTextIfChanged(window_, Wide(form_.Caption()));
  const SIZE size = OuterSize();
  const bool shown = IsWindowVisible(window_) != FALSE;
  if (size.cx != sizeSet_.cx || size.cy != sizeSet_.cy || !shown) {
    sizeSet_ = size;
    // The form places the window when it appears; after that a person may
    // move it where they like.
    const UINT keepPlace = shown ? SWP_NOMOVE : 0;
    SetWindowPos(window_, nullptr, context_.scale.X(form_.Left()), context_.scale.Y(form_.Top()), size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE | keepPlace);
  }
  for (const auto& view : views_) view->Sync();
  context_.syncing = false;
}

void FormWindow::SyncFocus() {
  const forms::Control* active = form_.ActiveControl();
  for (const auto& view : views_) {
    HWND control = view->Handle();
    if (&view->Model() != active || control == nullptr || !IsWindowVisible(control)) continue;
    HWND focused = GetFocus();
    if (focused != control && !IsChild(control, focused)) SetFocus(control);
  }
}

HWND FormWindow::ControlHandle(std::string_view controlName) const {
  for (const auto& view : views_) {
    if (forms::SameName(view->Model().Name(), controlName)) return view->Handle();
  }
  return nullptr;
}

bool FormWindow::KeyPressed(ControlWindow& view, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::optional<VbKey> key = TranslateKey(message, wParam, lParam);
  if (!key) return false;
  std::optional<forms::UserAction> action =
      forms::KeyGesture(view.Model(), key->keyCode, key->shift, view.TakesTyping());
  if (!action) return false;
  DropCharacters(GetFocus());
  context_.post(std::move(*action));
  return true;
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && self->window_ == window) return self->Respond(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::Respond(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_VSCROLL:
      if (const auto it = byWindow_.find(reinterpret_cast<HWND>(lParam));
          it != byWindow_.end() && !context_.syncing) {
        if (message == WM_COMMAND) {
          it->second->Notified(HIWORD(wParam));
        } else {
          it->second->Scrolled(LOWORD(wParam));
        }
        return 0;
      }
      break;
    case WM_CLOSE:
      // The runtime decides whether the form closes (its Unload may refuse).
      context_.post(forms::UserAction(forms::ActionKind::kClose));
      return 0;
    case WM_SIZE:
      // Only a size the form does not have yet is the person's.
      if (!context_.syncing && form_.Sizable() && wParam == SIZE_RESTORED) {
        RECT outer{};
        GetWindowRect(window_, &outer);
        const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
        if (size.cx != sizeSet_.cx || size.cy != sizeSet_.cy) {
          forms::UserAction action(forms::ActionKind::kResize);
          action.text = std::to_string(context_.scale.TwipsX(size.cx)) + " " +
                        std::to_string(context_.scale.TwipsY(size.cy));
          context_.post(std::move(action));
        }
      }
      break;
    case WM_PAINT:
      if (!painted_) {
        painted_ = true;
        PostMessageW(window_, kPaintedMessage, 0, 0);
      }
      break;
    case kPaintedMessage:
      if (onFirstPaint) onFirstPaint();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR viewData) {
  auto* view = reinterpret_cast<ControlWindow*>(viewData);
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(GetAncestor(window, GA_ROOT), GWLP_USERDATA));
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (form != nullptr && form->KeyPressed(*view, message, wParam, lParam)) return 0;
      break;
    case WM_LBUTTONDOWN:
      if (form != nullptr && view->MousePressed(window, POINT{static_cast<short>(LOWORD(lParam)),
                                                              static_cast<short>(HIWORD(lParam))}))
        return 0;
      break;
    case WM_COMMAND:
    case WM_VSCROLL:
      // A picture box's controls tell the form, as those on the form do.
      if (form != nullptr && lParam != 0) return SendMessageW(form->window_, message, wParam, lParam);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &FormWindow::ControlProcedure, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace verbsmith::win32view

// The text box's window: an edit control, of several lines for a box tall
// enough to show them. Each edit a person makes is typed into the runtime's
// text box, as Visual Basic fires Change on every keystroke. The edit
// control keeps Windows line ends, as the box does.

#include "forms/text_box.h"
#include "platform/win32/wide_text.h"
#include "win32view/control_window.h"
#include "win32view/dialog_fonts.h"

namespace verbsmith::win32view {

namespace {

// A box tall enough for two and a half lines of its font shows several.
bool ShowsSeveralLines(const forms::Control& control, const ViewContext& context) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ before = SelectObject(screen, FontFor(control.FontName()));
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  return lineHeight > 0 && context.scale.Y(control.Height()) * 2 >= lineHeight * 5;
}

DWORD EditStyle(bool severalLines) {
  return WS_TABSTOP |
         (severalLines ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL);
}

// UTF-16 units in the first `bytes` bytes of UTF-8 text.
int Units(const std::string& text, int bytes) {
  return static_cast<int>(Wide(text.substr(0, static_cast<size_t>(std::max(bytes, 0)))).size());
}

class TextBoxWindow : public ControlWindow {
 public:
  TextBoxWindow(forms::Control& control, ViewContext& context, bool severalLines)
      : ControlWindow(control,
                      MakeChild(L"EDIT", control, EditStyle(severalLines), context, WS_EX_CLIENTEDGE),
                      context) {}
  bool TakesTyping() const override { return true; }
  void Notified(int code) override {
    if (code == EN_CHANGE) Post(forms::ActionKind::kType, Utf8(WindowText(Handle())));
  }
  // A click in a text box is its Click, and gives it the focus.
  bool MousePressed(HWND, POINT) override {
    Post(forms::ActionKind::kClick);
    return false;
  }

 protected:
  void SyncState() override {
    const auto& box = static_cast<const forms::TextBox&>(Model());
    HWND edit = Handle();
    const bool readOnly = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != box.Locked()) SendMessageW(edit, EM_SETREADONLY, box.Locked(), 0);
    SetWindowTextIfChanged(edit, Wide(box.Text()));
    // A selection the runtime made (tabbing in selects the text) is shown;
    // the caret a person moves while typing stays where they put it.
    if (box.SelectionVersion() != selectionShown_) {
      selectionShown_ = box.SelectionVersion();
      SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(Units(box.Text(), box.SelStart())),
                   static_cast<LPARAM>(Units(box.Text(), box.SelStart() + box.SelLength())));
    }
  }

 private:
  int selectionShown_ = 0;
};

}  // namespace

std::unique_ptr<ControlWindow> MakeTextBoxWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<TextBoxWindow>(control, context, ShowsSeveralLines(control, context));
}

}  // namespace verbsmith::win32view

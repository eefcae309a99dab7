// Windows of the list controls, the scroll bar, and the drive and directory
// lists. A choice a person makes is the runtime's choose action: by index
// in a list box or a scroll bar, by the entry's text in a combo box or the
// drive list, by the full path when a directory is opened with a double
// click.

#include <algorithm>

#include "forms/file_list_controls.h"
#include "forms/file_list_entries.h"
#include "forms/list_control.h"
#include "platform/win32/wide_text.h"
#include "win32view/control_window.h"

namespace verbsmith::win32view {

namespace {

// A closed combo box is as tall as the control; its window also holds the
// list that drops down.
constexpr int kDropDownPixels = 160;

std::vector<std::wstring> Entries(const std::vector<std::string>& items) {
  std::vector<std::wstring> entries;
  entries.reserve(items.size());
  for (const std::string& item : items) entries.push_back(Wide(item));
  return entries;
}

// The entries a combo or list box window holds, by its messages.
struct ListMessages {
  UINT count, text, textLength, reset, add, select, selected;
};
constexpr ListMessages kComboMessages{CB_GETCOUNT,  CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_RESETCONTENT,
                                      CB_ADDSTRING, CB_SETCURSEL, CB_GETCURSEL};
constexpr ListMessages kListMessages{LB_GETCOUNT,  LB_GETTEXT,   LB_GETTEXTLEN, LB_RESETCONTENT,
                                     LB_ADDSTRING, LB_SETCURSEL, LB_GETCURSEL};

std::wstring EntryText(HWND window, const ListMessages& m, int index) {
  std::wstring text(
      static_cast<size_t>(std::max<LRESULT>(SendMessageW(window, m.textLength, index, 0), 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      std::max<LRESULT>(SendMessageW(window, m.text, index, reinterpret_cast<LPARAM>(text.data())), 0)));
  return text;
}

void ShowEntries(HWND window, const ListMessages& m, const std::vector<std::wstring>& entries, int selected) {
  bool same = SendMessageW(window, m.count, 0, 0) == static_cast<LRESULT>(entries.size());
  for (size_t i = 0; same && i < entries.size(); ++i)
    same = EntryText(window, m, static_cast<int>(i)) == entries[i];
  if (!same) {
    SendMessageW(window, m.reset, 0, 0);
    for (const std::wstring& entry : entries)
      SendMessageW(window, m.add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  if (SendMessageW(window, m.selected, 0, 0) != selected) SendMessageW(window, m.select, selected, 0);
}

DWORD ComboStyle(const forms::Control& control) {
  const auto* box = dynamic_cast<const forms::ComboBox*>(&control);
  return WS_TABSTOP | WS_VSCROLL |
         (box != nullptr && box->IsEditable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
}

// Combo boxes and the drive list: choosing an entry chooses it by its text.
class ComboWindow : public ControlWindow {
 public:
  ComboWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control, MakeChild(L"COMBOBOX", control, ComboStyle(control), context), context) {}
  bool TakesTyping() const override { return true; }
  std::vector<HWND> InputWindows() const override {
    // An editable combo box types into an edit control of its own.
    HWND edit = FindWindowExW(Handle(), nullptr, L"Edit", nullptr);
    return edit != nullptr ? std::vector<HWND>{Handle(), edit} : std::vector<HWND>{Handle()};
  }
  void Notified(int code) override {
    const int index = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    if (code == CBN_SELCHANGE && index >= 0) {
      Post(forms::ActionKind::kChoose, Utf8(EntryText(Handle(), kComboMessages, index)));
    } else if (code == CBN_EDITCHANGE) {
      Post(forms::ActionKind::kType, Utf8(WindowText(Handle())));
    }
  }

 protected:
  int ExtraHeight() const override { return kDropDownPixels; }
};

class ComboBoxWindow : public ComboWindow {
 public:
  using ComboWindow::ComboWindow;

 protected:
  void SyncState() override {
    const auto& box = static_cast<const forms::ComboBox&>(Model());
    ShowEntries(Handle(), kComboMessages, Entries(box.Items()), box.ListIndex());
    if (box.IsEditable()) SetWindowTextIfChanged(Handle(), Wide(box.Text()));
  }
};

class DriveListWindow : public ComboWindow {
 public:
  DriveListWindow(forms::Control& control, ViewContext& context)
      // The drives are looked up once: probing all letters on every step
      // would cost more than it tells.
      : ComboWindow(control, context), drives_(forms::DriveEntries(context.files)) {}

 protected:
  void SyncState() override {
    std::vector<std::string> entries = drives_;
    const std::string& drive = static_cast<const forms::DriveListBox&>(Model()).Drive();
    if (std::find(entries.begin(), entries.end(), drive) == entries.end()) entries.push_back(drive);
    std::sort(entries.begin(), entries.end());
    const auto at = std::find(entries.begin(), entries.end(), drive);
    ShowEntries(Handle(), kComboMessages, Entries(entries), static_cast<int>(at - entries.begin()));
  }

 private:
  std::vector<std::string> drives_;
};

HWND MakeList(const forms::Control& control, const ViewContext& context) {
  return MakeChild(L"LISTBOX", control, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, context,
                   WS_EX_CLIENTEDGE);
}

// A press on an entry chooses it (the runtime clicks even the selected
// one); the arrow keys move the selection as Windows does and choose too.
class ListBoxWindow : public ControlWindow {
 public:
  ListBoxWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control, MakeList(control, context), context) {}
  bool TakesTyping() const override { return true; }
  void Notified(int code) override {
    const int index = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE && index >= 0) PostChoice(index);
  }
  bool MousePressed(HWND, POINT point) override {
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    const int index = LOWORD(hit);
    if (HIWORD(hit) == 0 && index < SendMessageW(Handle(), LB_GETCOUNT, 0, 0)) PostChoice(index);
    SetFocus(Handle());
    return true;
  }

 protected:
  void SyncState() override {
    const auto& box = static_cast<const forms::ListBox&>(Model());
    ShowEntries(Handle(), kListMessages, Entries(box.Items()), box.ListIndex());
  }
};

// The current directory is selected; opening another is a double click.
class DirListWindow : public ControlWindow {
 public:
  DirListWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control, MakeList(control, context), context) {}
  bool TakesTyping() const override { return true; }
  void Notified(int code) override {
    const int index = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    if (code == LBN_DBLCLK && index >= 0 && static_cast<size_t>(index) < entries_.size())
      Post(forms::ActionKind::kChoose, entries_[static_cast<size_t>(index)].path);
  }

 protected:
  void SyncState() override {
    const std::string& path = static_cast<const forms::DirListBox&>(Model()).Path();
    if (path == shown_ && !entries_.empty()) return;
    shown_ = path;
    entries_ = forms::DirListEntries(path, Context().files);
    std::vector<std::wstring> lines;
    int current = -1;
    for (const forms::DirEntry& entry : entries_) {
      if (entry.open) current = static_cast<int>(lines.size());
      lines.push_back(std::wstring(static_cast<size_t>(entry.depth) * 2, L' ') + Wide(entry.name));
    }
    ShowEntries(Handle(), kListMessages, lines, current);
  }

 private:
  std::string shown_;
  std::vector<forms::DirEntry> entries_;
};

class ScrollBarWindow : public ControlWindow {
 public:
  ScrollBarWindow(forms::Control& control, ViewContext& context)
      : ControlWindow(control, MakeChild(L"SCROLLBAR", control, WS_TABSTOP | SBS_VERT, context), context) {}
  bool TakesTyping() const override { return true; }
  void Scrolled(int request) override {
    const auto& scroll = static_cast<const forms::VScrollBar&>(Model());
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_CTL, &info);
    int value = scroll.Value();
    switch (request) {
      case SB_LINEUP:
        value -= scroll.SmallChange();
        break;
      case SB_LINEDOWN:
        value += scroll.SmallChange();
        break;
      case SB_PAGEUP:
        value -= scroll.LargeChange();
        break;
      case SB_PAGEDOWN:
        value += scroll.LargeChange();
        break;
      case SB_THUMBPOSITION:
        value = info.nTrackPos;
        break;
      default:
        return;
    }
    value = std::clamp(value, std::min(scroll.Min(), scroll.Max()), std::max(scroll.Min(), scroll.Max()));
    if (value != scroll.Value()) PostChoice(value);
  }

 protected:
  void SyncState() override {
    const auto& scroll = static_cast<const forms::VScrollBar&>(Model());
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_POS,
                    std::min(scroll.Min(), scroll.Max()),
                    std::max(scroll.Min(), scroll.Max()),
                    0,
                    scroll.Value(),
                    0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
  }
};

}  // namespace

std::unique_ptr<ControlWindow> MakeComboBoxWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<ComboBoxWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeDriveListWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<DriveListWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeListBoxWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<ListBoxWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeDirListWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<DirListWindow>(control, context);
}

std::unique_ptr<ControlWindow> MakeScrollBarWindow(forms::Control& control, ViewContext& context) {
  return std::make_unique<ScrollBarWindow>(control, context);
}

}  // namespace verbsmith::win32view

#include "platform/win32/win32_dialogs.h"

#include "platform/win32/windows_api.h"
// commdlg.h and shellapi.h need windows.h first.
#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "base/texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_keystrokes.h"

namespace verbsmith {

namespace {

// HtmlHelpW's command that opens a topic by its context number.
constexpr UINT kHelpContext = 0x000F;
using HtmlHelpCall = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

}  // namespace

std::wstring CommonDialogFilter(const std::string& filter) {
  std::wstring result = Wide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result += L'\0';
  result += L'\0';
  return result;
}

int Win32Dialogs::MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
  // Visual Basic's style bits and answers are the system's own.
  const std::string caption = title ? *title : std::string(text::kTitle);
  return MessageBoxW(GetActiveWindow(), Wide(prompt).c_str(), Wide(caption).c_str(),
                     static_cast<UINT>(style) | MB_TASKMODAL);
}

std::optional<FileOpenResult> Win32Dialogs::ShowOpen(const FileOpenRequest& request) {
  std::vector<wchar_t> file(32768, L'\0');
  std::vector<wchar_t> fileTitle(MAX_PATH + 1, L'\0');
  const std::wstring filter = CommonDialogFilter(request.filter);
  const std::wstring title = Wide(request.title);
  const std::wstring defaultExt = Wide(request.defaultExt);
  const std::wstring initialDirectory = Wide(request.initialDirectory);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrFileTitle = fileTitle.data();
  dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
  dialog.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  dialog.Flags = static_cast<DWORD>(request.flags) | OFN_EXPLORER;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return FileOpenResult{Utf8(file.data()), Utf8(fileTitle.data())};
}

void Win32Dialogs::SendKeys(const std::string& keys) {
  SendKeyStrokes(KeyStrokesFor(keys));
}

void Win32Dialogs::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Dialogs::ShowHelpTopic(const std::string& helpFile, int topic) {
  // The viewer is part of Windows but not of every process: loaded once,
  // when help is first asked for.
  static const HtmlHelpCall htmlHelp = [] {
    HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
    return viewer == nullptr
               ? nullptr
               : reinterpret_cast<HtmlHelpCall>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW")));
  }();
  if (htmlHelp == nullptr) return;
  htmlHelp(GetActiveWindow(), Wide(helpFile).c_str(), kHelpContext, static_cast<DWORD_PTR>(topic));
}

long Win32Dialogs::ShellOpen(const std::string& path) {
  const HINSTANCE result =
      ShellExecuteW(GetActiveWindow(), L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return static_cast<long>(reinterpret_cast<intptr_t>(result));
}

}  // namespace verbsmith

#include "tools/host_sim/window_driver.h"

namespace {

struct CaptionSearch {
  std::wstring caption;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectByCaption(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<CaptionSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  if (search.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) == search.caption) search.found.push_back(window);
  return TRUE;
}

std::vector<HWND> Search(const std::wstring& caption, bool visibleOnly) {
  CaptionSearch search{caption, visibleOnly, {}};
  EnumWindows(&CollectByCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct OwnedSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<OwnedSearch*>(parameter);
  wchar_t className[32] = L"";
  GetClassNameW(window, className, 32);
  if (GetWindow(window, GW_OWNER) == search.owner && std::wstring(className) == L"#32770" &&
      IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStatics(HWND window, LPARAM parameter) {
  wchar_t className[32] = L"";
  GetClassNameW(window, className, 32);
  if (lstrcmpiW(className, L"Static") == 0) {
    reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(WindowText(window));
  }
  return TRUE;
}

}  // namespace

HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const std::vector<HWND> found = Search(caption, true);
    if (!found.empty()) return found.front();
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(20);
  }
}

std::vector<HWND> WindowsWithCaption(const std::wstring& caption) { return Search(caption, false); }

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (IsWindow(window)) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = L"";
  // WM_GETTEXT answers for a window of another thread too.
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return text;
}

std::wstring ControlText(HWND dialog, int controlId) { return WindowText(GetDlgItem(dialog, controlId)); }

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  EnumChildWindows(dialog, &CollectStatics, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool IsChecked(HWND dialog, int controlId) {
  return SendMessageW(GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickButton(HWND dialog, int controlId) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void ClickBox(HWND dialog, int controlId) { SendMessageW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0); }

void PressEscape(HWND dialog, int controlId) {
  PostMessageW(GetDlgItem(dialog, controlId), WM_KEYDOWN, VK_ESCAPE, 0);
}

void SetControlText(HWND dialog, int controlId, const std::wstring& text) {
  SendMessageW(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND WaitForOwnedMessageBox(HWND owner, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  DWORD thread = GetWindowThreadProcessId(owner, nullptr);
  for (;;) {
    OwnedSearch search{owner, nullptr};
    EnumThreadWindows(thread, &FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(20);
  }
}

#pragma once
// Plays the operator's part on the plug-in's windows from another thread: finds a window by
// its caption, reads texts and check marks back, presses buttons.
#include <windows.h>

#include <string>
#include <vector>

// The first visible top-level window of this process with caption `caption`, waiting up to
// `timeoutMs`; nullptr when none appeared.
HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs);
// Every top-level window of this process with caption `caption`, visible or not.
std::vector<HWND> WindowsWithCaption(const std::wstring& caption);
// Waits until `window` is gone; false on timeout.
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

std::wstring WindowText(HWND window);
std::wstring ControlText(HWND dialog, int controlId);
// Texts of the dialog's static controls, in creation order.
std::vector<std::wstring> StaticTexts(HWND dialog);
bool IsChecked(HWND dialog, int controlId);

// Presses the push button: the dialog gets the notification a click sends (posted, so it is
// handled by the dialog's own thread whatever its activation state).
void ClickButton(HWND dialog, int controlId);
// Clicks a check box or radio button, which then changes its check mark as for the mouse.
void ClickBox(HWND dialog, int controlId);
// The Esc key pressed while the control has the keyboard.
void PressEscape(HWND dialog, int controlId);
void SetControlText(HWND dialog, int controlId, const std::wstring& text);

// The message box that `owner`'s thread shows over it, waiting up to `timeoutMs`.
HWND WaitForOwnedMessageBox(HWND owner, DWORD timeoutMs);

#include "platform/win32/dialog.h"

#include <cwchar>
#include <cwctype>
#include <limits>

#include "platform/win32/module_instance.h"

namespace platform {
namespace {

std::wstring ControlText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  const int length = control ? GetWindowTextLengthW(control) : 0;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  if (control) GetWindowTextW(control, text.data(), length + 1);
  text.resize(wcslen(text.c_str()));
  return text;
}

// Blanks, an optional sign, at least one digit, blanks; nothing else, and within int.
bool ParseInt(const std::wstring& text, int& value) {
  size_t i = 0;
  while (i < text.size() && iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const size_t digitsStart = i;
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (i == digitsStart) return false;
  while (i < text.size() && iswspace(text[i])) ++i;
  if (i != text.size()) return false;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(signedValue);
  return true;
}

std::wstring WindowCaption(HWND window) {
  wchar_t caption[256] = L"";
  GetWindowTextW(window, caption, 256);
  return caption;
}

// "Enter a whole number."
constexpr const wchar_t* kNotAnInteger =
    L"\u0412\u0432\u0435\u0434\u0438\u0442\u0435 \u0446\u0435\u043b\u043e\u0435 "
    L"\u0447\u0438\u0441\u043b\u043e.";

// RT_DIALOG as a number, for the wide resource functions.
constexpr WORD kDialogResourceType = 5;

}  // namespace

void DataExchange::Check(int controlId, BOOL& value) {
  if (failed_) return;
  if (save_) {
    value = IsDlgButtonChecked(dialog_, controlId) == BST_CHECKED ? TRUE : FALSE;
  } else {
    CheckDlgButton(dialog_, controlId, value ? BST_CHECKED : BST_UNCHECKED);
  }
}

void DataExchange::Int(int controlId, int& value) {
  if (failed_) return;
  if (!save_) {
    SetDlgItemTextW(dialog_, controlId, std::to_wstring(value).c_str());
    return;
  }
  int parsed = 0;
  if (ParseInt(ControlText(dialog_, controlId), parsed)) {
    value = parsed;
  } else {
    Fail(controlId, kNotAnInteger);
  }
}

void DataExchange::Fail(int controlId, const std::wstring& message) {
  failed_ = true;
  MessageBoxW(dialog_, message.c_str(), WindowCaption(dialog_).c_str(), MB_OK | MB_ICONEXCLAMATION);
  HWND control = GetDlgItem(dialog_, controlId);
  if (control) {
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
  }
}

Dialog::~Dialog() {
  if (hwnd_ != nullptr) {
    HWND window = hwnd_;
    SetWindowLongPtrW(window, DWLP_USER, 0);
    hwnd_ = nullptr;
    DestroyWindow(window);
  }
  if (brush_ != nullptr) DeleteObject(brush_);
}

const DLGTEMPLATE* Dialog::FindTemplate() const {
  HINSTANCE module = ModuleInstance();
  // The templates are stored in Russian only; the plain lookup falls back to whatever
  // language is there, the explicit one covers a loader that does not.
  const LPCWSTR dialogType = MAKEINTRESOURCEW(kDialogResourceType);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId_), dialogType);
  if (resource == nullptr) {
    resource = FindResourceExW(module, dialogType, MAKEINTRESOURCEW(templateId_),
                               MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  }
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

INT_PTR Dialog::DoModal(HWND owner) {
  const DLGTEMPLATE* dialogTemplate = FindTemplate();
  if (dialogTemplate == nullptr) return -1;
  modal_ = true;
  return DialogBoxIndirectParamW(ModuleInstance(), dialogTemplate, owner, &Dialog::Procedure,
                                 reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND owner) {
  const DLGTEMPLATE* dialogTemplate = FindTemplate();
  if (dialogTemplate == nullptr) return false;
  modal_ = false;
  return CreateDialogIndirectParamW(ModuleInstance(), dialogTemplate, owner, &Dialog::Procedure,
                                    reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::UpdateData(bool save) {
  DataExchange exchange(hwnd_, save);
  DoDataExchange(exchange);
  return !exchange.failed();
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::EndDialog(INT_PTR code) {
  if (modal_) {
    ::EndDialog(hwnd_, code);
  } else {
    ShowWindow(hwnd_, SW_HIDE);
  }
}

void Dialog::SetColours(COLORREF background, COLORREF text) {
  if (brush_ != nullptr) DeleteObject(brush_);
  brush_ = CreateSolidBrush(background);
  backgroundColour_ = background;
  textColour_ = text;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->Handle(message, wParam, lParam);
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (OnCommand(id, code)) return TRUE;
      if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      if (brush_ != nullptr) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, textColour_);
        SetBkColor(dc, backgroundColour_);
        // The colour messages are answered by the procedure's return value itself.
        return reinterpret_cast<INT_PTR>(brush_);
      }
      break;
    default:
      break;
  }
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
  }
  return FALSE;
}

}  // namespace platform

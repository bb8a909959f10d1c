#pragma once
// A small dialog layer over the Win32 dialog manager: a dialog object made from a template in
// the plug-in's resources, run modally (DialogBox) or modeless (CreateDialog), with data
// exchange between its members and its controls and a solid background colour.
//
// A dialog object belongs to the thread that runs or creates it; every call on it, and its
// destruction, happen on that thread.
#include <windows.h>

#include <string>

namespace platform {

// Moves values between a dialog's members and its controls, in one direction per pass.
class DataExchange {
 public:
  DataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}

  // True when the controls are read into the members (the operator pressed OK).
  bool saving() const { return save_; }
  // True once a control's text was refused; later exchanges of the pass do nothing.
  bool failed() const { return failed_; }

  // A check box and a BOOL member.
  void Check(int controlId, BOOL& value);
  // An edit control and an int member, as decimal text. On saving, text that is not an
  // integer (blanks, an optional sign, digits, blanks) is refused and `value` kept.
  void Int(int controlId, int& value);
  // Refuses the pass: tells the operator `message` in a message box owned by the dialog,
  // then puts the focus on the control with its text selected.
  void Fail(int controlId, const std::wstring& message);

 private:
  HWND dialog_;
  bool save_;
  bool failed_ = false;
};

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally on the calling thread and returns the code it was ended with
  // (IDOK, IDCANCEL), or -1 when its template is missing or the window cannot be made.
  INT_PTR DoModal(HWND owner = nullptr);
  // Creates the dialog modeless on the calling thread; false when that fails.
  bool Create(HWND owner = nullptr);

  HWND hwnd() const { return hwnd_; }

  // Fills the controls from the members (save false) or reads them back (save true).
  // Returns false when a control's text was refused.
  bool UpdateData(bool save);

 protected:
  virtual void DoDataExchange(DataExchange&) {}
  // After the window and its controls exist. The default fills the controls. Return false
  // when the handler set the focus itself.
  virtual bool OnInitDialog();
  // IDOK: reads the controls and ends the dialog, unless a control's text was refused.
  virtual void OnOK();
  // IDCANCEL (also Esc and the close box): ends the dialog.
  virtual void OnCancel();
  // WM_COMMAND for any other control; true when handled.
  virtual bool OnCommand(int /*controlId*/, int /*notifyCode*/) { return false; }
  // Any other message. Return true to answer it with `result` (the dialog procedure's
  // return value, after DWLP_MSGRESULT is set to it).
  virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

  // Ends a modal dialog with `code`; hides a modeless one.
  void EndDialog(INT_PTR code);

  // Paints the dialog's background and the background of its controls in `background`,
  // with text in `text`. Takes effect for the next WM_CTLCOLOR* messages.
  void SetColours(COLORREF background, COLORREF text);

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  const DLGTEMPLATE* FindTemplate() const;

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  HBRUSH brush_ = nullptr;
  COLORREF textColour_ = 0;
  COLORREF backgroundColour_ = 0;
};

}  // namespace platform

// The Cabrillo header dialog: fourteen fields the operator reviews before the log is
// written. Texts are the plug-in's single-byte (code page 1251) strings, moved through the
// ANSI control functions.
#include <windows.h>

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "cabrillo/header_fields.h"
#include "platform/win32/dialog.h"
#include "res/cabrillo_ids.h"

namespace {

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int length = control ? GetWindowTextLengthA(control) : 0;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  if (control) GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

bool StartsWithIgnoringCase(const std::string& item, const std::string& prefix) {
  if (prefix.size() > item.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(item[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

struct ComboList {
  int id;
  std::vector<const char*> items;
};

const std::array<ComboList, 4>& ComboLists() {
  static const std::array<ComboList, 4> lists = {{
      {IDC_CAB_CATEGORY_OPERATOR, {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
      {IDC_CAB_CATEGORY_BAND, {"ALL", "160M-80M-40M", "20M-15M-10M"}},
      {IDC_CAB_CATEGORY_MODE, {"CW"}},
      {IDC_CAB_CATEGORY_POWER, {"HIGH", "LOW", "QRP"}},
  }};
  return lists;
}

class CabrilloDialog : public platform::Dialog {
 public:
  explicit CabrilloDialog(CabrilloHeaderFields& fields) : Dialog(IDD_CABRILLO), fields_(fields) {}

 protected:
  bool OnInitDialog() override {
    for (const ComboList& list : ComboLists()) {
      for (const char* item : list.items) {
        SendDlgItemMessageA(hwnd(), list.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      }
    }
    return Dialog::OnInitDialog();
  }

  void DoDataExchange(platform::DataExchange& dx) override {
    Text(dx, IDC_CAB_CALLSIGN, fields_.m_Callsign);
    Text(dx, IDC_CAB_CLAIMED, fields_.m_Claimed);
    Text(dx, IDC_CAB_CLUB, fields_.m_Club);
    Text(dx, IDC_CAB_CONTEST, fields_.m_Contest);
    Text(dx, IDC_CAB_EMAIL, fields_.m_Email);
    Text(dx, IDC_CAB_NAME, fields_.m_Name);
    Text(dx, IDC_CAB_OPERATORS, fields_.m_Operators);
    Text(dx, IDC_CAB_SOAPBOX, fields_.m_SoapBox);
    Text(dx, IDC_CAB_ADDRESS, fields_.m_Address);
    Combo(dx, IDC_CAB_CATEGORY_OPERATOR, fields_.m_CategoryOperator);
    Combo(dx, IDC_CAB_CATEGORY_BAND, fields_.m_CategoryBand);
    Combo(dx, IDC_CAB_CATEGORY_POWER, fields_.m_CategoryPower);
    Text(dx, IDC_CAB_LOCATION, fields_.m_Location);
    Combo(dx, IDC_CAB_CATEGORY_MODE, fields_.m_CategoryMode);
  }

 private:
  void Text(platform::DataExchange& dx, int id, std::string& value) {
    if (dx.saving()) {
      value = ControlText(hwnd(), id);
    } else {
      SetDlgItemTextA(hwnd(), id, value.c_str());
    }
  }

  // A combo box shows the first list item that begins with the value (ignoring case), or
  // else the value itself in its edit field; OK takes whatever text it shows.
  void Combo(platform::DataExchange& dx, int id, std::string& value) {
    if (dx.saving()) {
      value = ControlText(hwnd(), id);
      return;
    }
    for (const ComboList& list : ComboLists()) {
      if (list.id != id) continue;
      for (size_t i = 0; i < list.items.size(); ++i) {
        if (StartsWithIgnoringCase(list.items[i], value)) {
          SendDlgItemMessageA(hwnd(), id, CB_SETCURSEL, i, 0);
          return;
        }
      }
    }
    SendDlgItemMessageA(hwnd(), id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(hwnd(), id, value.c_str());
  }

  CabrilloHeaderFields& fields_;
};

}  // namespace

bool PromptCabrilloHeader(CabrilloHeaderFields& fields) {
  CabrilloHeaderFields edited = fields;
  CabrilloDialog dialog(edited);
  if (dialog.DoModal() != IDOK) return false;
  fields = edited;
  return true;
}

#pragma once
// The zone dialog: asks the operator for the own zone when the own callsign does not tell it.
#include "platform/win32/dialog.h"

namespace ui {

class Zone : public platform::Dialog {
 public:
  Zone();

  // The zone entered, 1 to 7, after IDOK (the dialog is run with the standard DoModal).
  int m_Zone = 0;

 protected:
  void DoDataExchange(platform::DataExchange& exchange) override;
};

}  // namespace ui

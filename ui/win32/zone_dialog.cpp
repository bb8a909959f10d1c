#include "ui/win32/zone_dialog.h"

#include "res/resource.h"

namespace ui {
namespace {
constexpr int kFirstZone = 1;
constexpr int kLastZone = 7;

// "The zone number must be from 1 to 7."
constexpr const wchar_t* kZoneOutOfRange =
    L"\u041d\u043e\u043c\u0435\u0440 \u0437\u043e\u043d\u044b \u0434\u043e\u043b\u0436\u0435\u043d "
    L"\u0431\u044b\u0442\u044c \u043e\u0442 1 \u0434\u043e 7.";
}  // namespace

Zone::Zone() : platform::Dialog(IDD_ZONE) {}

// Only the seven contest zones are accepted: any other number would give an own zone with no
// row in the points table and sent exchanges that no station can be in.
void Zone::DoDataExchange(platform::DataExchange& exchange) {
  int entered = m_Zone;
  exchange.Int(IDC_ZONE_NUMBER, entered);
  if (!exchange.saving() || exchange.failed()) return;
  if (entered < kFirstZone || entered > kLastZone) {
    exchange.Fail(IDC_ZONE_NUMBER, kZoneOutOfRange);
    return;
  }
  m_Zone = entered;
}

}  // namespace ui

#include "rules/qso_acceptance.h"

#include "rules/bands.h"

namespace rules {

QsoRefusal CheckQsoAcceptance(std::string_view band, std::string_view mode,
                              std::string_view serialSent, std::string_view exchangeReceived) {
  if (IsExcludedBand(band)) return QsoRefusal::kBand;
  if (mode != "CW" && mode != "SSB") return QsoRefusal::kMode;
  if (exchangeReceived.empty() || serialSent.empty()) return QsoRefusal::kNoNumber;
  return QsoRefusal::kNone;
}

std::string_view RefusalMessage(QsoRefusal refusal) {
  switch (refusal) {
    case QsoRefusal::kBand: return "   NO CONTEST BAND !!!";
    case QsoRefusal::kMode: return "   NO CONTEST MODE !!!";
    case QsoRefusal::kNoNumber: return "   NO RX NUMBER !!!";
    case QsoRefusal::kNone: break;
  }
  return {};
}

}  // namespace rules

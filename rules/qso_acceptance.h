#pragma once
// Which logged QSOs the contest records, and the error-log message for each one it refuses.
#include <string_view>

namespace rules {

enum class QsoRefusal {
  kNone,      // recorded
  kBand,      // "30m", "17m" or "12m"
  kMode,      // neither "CW" nor "SSB"
  kNoNumber,  // the received exchange or the sent serial is empty
};

// The checks in the order they are made: band, then mode, then the two numbers, so a QSO
// that breaks several rules is refused for the first.
QsoRefusal CheckQsoAcceptance(std::string_view band, std::string_view mode,
                              std::string_view serialSent, std::string_view exchangeReceived);

// The error-log message of a refusal ("" for kNone); each begins with three blanks.
std::string_view RefusalMessage(QsoRefusal refusal);

// Error-log message of a QSO that repeats an earlier call, band and mode.
inline constexpr std::string_view kDupeMessage = "   DUPE !!!";

}  // namespace rules

#pragma once
// The score text the host shows: one row per band with QSOs, points and the two multipliers,
// a Total row, the hourly rates and the score line; and, per band, the oblasts and zones
// that the status windows tick. Pure: everything comes in through the arguments.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/ole_date_time.h"
#include "rules/points_table.h"

namespace rules {

// What the result reads of one logged QSO. The views must outlive the call.
struct ResultQso {
  std::string_view call;
  std::string_view country;   // host's DXCC prefix; "UA", "UA2", "UA9" count for OBL
  std::string_view band;
  std::string_view exchRcvd;  // its first character picks the points
  std::string_view zone;      // LOC key
  std::string_view oblast;    // OBL key
  bool dupe = false;
  OleDateTime time;
};

struct ResultContext {
  std::string_view startDate;  // "%d.%m" of the contest date
  std::string_view ownCall;
  bool exportPass = false;     // no rate block while the host replays the log for export
  ZonePointsRow points{};
};

// The oblasts, zones and countries worked on one band row, each once, in the order first
// logged.
struct BandRowLists {
  std::string band;
  int bandIndex = -1;  // 0..5 for the contest bands, -1 for any other name
  std::vector<std::string> oblasts;
  std::vector<std::string> zones;
  std::vector<std::string> countries;  // the host's country prefixes, empty ones left out
};

struct ContestResult {
  std::string text;
  int32_t score = 0;
  std::vector<BandRowLists> rows;  // one per entry of `bands`, same order
};

// Builds the result from the QSOs of the log, offered one at a time in log order, with one
// row per entry of `bands`, which the caller has put in result order (SortBandsForResult)
// and which holds each name once.
//
// A QSO counts on the row of its band unless it is a dupe or has no call. Counted QSOs give
// points (QsoPoints of the row), OBL (distinct oblasts of Russian stations per row) and LOC
// (distinct non-empty zones per row); they also list the row's distinct non-empty country
// prefixes, which the status windows count. The Total row's QSO figure is the number of QSOs
// offered, dupes included. Rates are taken against `rateReference`; the last-QSO points are
// those of the last counted QSO. Score = points + 50 * (OBL + LOC), each summed over the
// rows. Sums wrap as 32-bit integers do.
class ContestResultBuilder {
 public:
  // `bands` must outlive the builder.
  ContestResultBuilder(const ResultContext& context, std::span<const std::string> bands,
                       const OleDateTime& rateReference);
  ~ContestResultBuilder();
  ContestResultBuilder(const ContestResultBuilder&) = delete;
  ContestResultBuilder& operator=(const ContestResultBuilder&) = delete;

  // The views of `qso` must outlive the builder.
  void Add(const ResultQso& qso);
  ContestResult Finish();

 private:
  struct Tally;
  ResultContext context_;
  std::span<const std::string> bands_;
  OleDateTime reference_;
  std::vector<Tally> tallies_;
  std::vector<BandRowLists> rows_;
  std::size_t offered_ = 0;
  int64_t hourQsos_ = 0, hourPoints_ = 0, tenQsos_ = 0, tenPoints_ = 0, lastQsoPoints_ = 0;
  std::unordered_map<std::string_view, std::size_t> rowOfBand_;  // only for many bands
  std::size_t lastRow_ = 0;
  bool haveLastRow_ = false;
};

// The rate reference for a log of `qsoCount` QSOs whose last one has `lastQsoTime`: that time
// when there are two or more QSOs outside an export pass, else the date-time zero point.
OleDateTime RateReference(bool exportPass, std::size_t qsoCount, const OleDateTime& lastQsoTime);

// The whole result for `qsos` in log order (the builder fed with each of them).
ContestResult BuildContestResult(const ResultContext& context, std::span<const std::string> bands,
                                 std::span<const ResultQso> qsos);

}  // namespace rules

#include "rules/result_text.h"

#include <cstddef>
#include <unordered_map>
#include <unordered_set>

#include "rules/bands.h"
#include "rules/oblast_resolver.h"
#include "rules/rate_window.h"
#include "rules/text_format.h"

namespace rules {
namespace {

// "Участник" (participant) in code page 1251.
constexpr char kParticipantCp1251[] = "\xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA";

struct RowTally {
  int64_t qsos = 0;
  int64_t points = 0;
  std::unordered_set<std::string_view> seenOblasts;
  std::unordered_set<std::string_view> seenZones;
};

struct RateTally {
  int64_t hourQsos = 0;
  int64_t hourPoints = 0;
  int64_t tenQsos = 0;
  int64_t tenPoints = 0;
};

// The texts print C ints; the sums wrap the way the host's 32-bit arithmetic does.
int32_t AsInt(int64_t value) { return static_cast<int32_t>(value); }
int32_t AsInt(std::size_t value) { return static_cast<int32_t>(value); }

int Len(std::string_view s) { return static_cast<int>(s.size()); }

// Row of each band name; consecutive QSOs are mostly on one band, so the last answer is
// tried before the map.
class RowFinder {
 public:
  explicit RowFinder(std::span<const std::string> bands) {
    for (std::size_t i = 0; i < bands.size(); ++i) rowOf_.emplace(bands[i], i);
  }
  const std::size_t* Find(std::string_view band) {
    if (last_ != nullptr && lastBand_ == band) return last_;
    const auto it = rowOf_.find(band);
    if (it == rowOf_.end()) return nullptr;
    lastBand_ = it->first;
    last_ = &it->second;
    return last_;
  }

 private:
  std::unordered_map<std::string_view, std::size_t> rowOf_;
  std::string_view lastBand_;
  const std::size_t* last_ = nullptr;
};

}  // namespace

ContestResult BuildContestResult(const ResultContext& context, std::span<const std::string> bands,
                                 std::span<const ResultQso> qsos) {
  ContestResult result;
  std::string& text = result.text;
  text.reserve(256 + 48 * bands.size());

  OleDateTime reference;
  if (!context.exportPass && qsos.size() > 1) reference = qsos.back().time;

  AppendFormat(text, "      ZARL %.*s\r\n\t    %s: %.*s \r\n\tQSOs\tPoints\t OBL\t LOC\r\n",
               Len(context.startDate), context.startDate.data(), kParticipantCp1251,
               Len(context.ownCall), context.ownCall.data());

  result.rows.resize(bands.size());
  std::vector<RowTally> tallies(bands.size());
  for (std::size_t i = 0; i < bands.size(); ++i) {
    result.rows[i].band = bands[i];
    result.rows[i].bandIndex = ContestBandIndex(bands[i]);
  }

  // One pass in log order visits each row's QSOs in the same order as a scan per row would,
  // so the per-row lists keep their first-logged order.
  RateTally rates;
  int64_t lastQsoPoints = 0;
  RowFinder rowFinder(bands);
  for (const ResultQso& qso : qsos) {
    if (qso.call.empty() || qso.dupe) continue;
    const std::size_t* row = rowFinder.Find(qso.band);
    if (row == nullptr) continue;
    RowTally& tally = tallies[*row];
    BandRowLists& lists = result.rows[*row];

    const int32_t points = QsoPoints(context.points, qso.exchRcvd);
    ++tally.qsos;
    tally.points += points;
    lastQsoPoints = points;
    if (!context.exportPass) {
      const RateWindows windows = RateWindowsOf(reference, qso.time);
      if (windows.lastHour) {
        ++rates.hourQsos;
        rates.hourPoints += points;
      }
      if (windows.lastTenMinutes) {
        ++rates.tenQsos;
        rates.tenPoints += points;
      }
    }
    if (IsRussianPrefix(qso.country) && !qso.oblast.empty() &&
        tally.seenOblasts.insert(qso.oblast).second) {
      lists.oblasts.emplace_back(qso.oblast);
    }
    if (!qso.zone.empty() && tally.seenZones.insert(qso.zone).second) {
      lists.zones.emplace_back(qso.zone);
    }
  }

  int64_t totalPoints = 0, totalObl = 0, totalLoc = 0;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const BandRowLists& lists = result.rows[i];
    const RowTally& tally = tallies[i];
    AppendFormat(text, "%s\t %i\t %i\t  %i\t  %i\t  \r\n", bands[i].c_str(), AsInt(tally.qsos),
                 AsInt(tally.points), AsInt(lists.oblasts.size()), AsInt(lists.zones.size()));
    totalPoints += tally.points;
    totalObl += static_cast<int64_t>(lists.oblasts.size());
    totalLoc += static_cast<int64_t>(lists.zones.size());
  }
  AppendFormat(text, "Total\t %i\t %i\t  %i\t  %i\t  \r\n", AsInt(qsos.size()),
               AsInt(totalPoints), AsInt(totalObl), AsInt(totalLoc));

  if (!context.exportPass && !qsos.empty()) {
    AppendFormat(text,
                 "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                 "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                 AsInt(rates.hourQsos), AsInt(6 * rates.tenQsos), AsInt(rates.hourPoints),
                 AsInt(6 * rates.tenPoints), AsInt(lastQsoPoints));
  }

  const int64_t score = (totalObl + totalLoc) * 50 + totalPoints;
  result.score = AsInt(score);
  AppendFormat(text, "\r\nScore: %i + (50*%i + 50*%i) = %i\r\n", AsInt(totalPoints),
               AsInt(totalObl), AsInt(totalLoc), result.score);
  return result;
}

}  // namespace rules

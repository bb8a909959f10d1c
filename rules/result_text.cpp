#include "rules/result_text.h"

#include <cstddef>

#include "rules/bands.h"
#include "rules/oblast_resolver.h"
#include "rules/rate_window.h"
#include "rules/short_text_set.h"
#include "rules/text_format.h"

namespace rules {
namespace {

// "Участник" (participant) in code page 1251.
constexpr char kParticipantCp1251[] = "\xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA";

// The texts print C ints; the sums wrap the way the host's 32-bit arithmetic does.
int32_t AsInt(int64_t value) { return static_cast<int32_t>(value); }
int32_t AsInt(std::size_t value) { return static_cast<int32_t>(value); }

int Len(std::string_view s) { return static_cast<int>(s.size()); }

// A log has a handful of bands; past this many rows a map finds a QSO's row.
constexpr std::size_t kLinearRowSearch = 16;

}  // namespace

struct ContestResultBuilder::Tally {
  int64_t qsos = 0;
  int64_t points = 0;
  ShortTextSet seenOblasts;
  ShortTextSet seenZones;
  ShortTextSet seenCountries;
};

OleDateTime RateReference(bool exportPass, std::size_t qsoCount, const OleDateTime& lastQsoTime) {
  return !exportPass && qsoCount > 1 ? lastQsoTime : OleDateTime();
}

ContestResultBuilder::ContestResultBuilder(const ResultContext& context,
                                           std::span<const std::string> bands,
                                           const OleDateTime& rateReference)
    : context_(context), bands_(bands), reference_(rateReference), tallies_(bands.size()),
      rows_(bands.size()) {
  for (std::size_t i = 0; i < bands.size(); ++i) {
    rows_[i].band = bands[i];
    rows_[i].bandIndex = ContestBandIndex(bands[i]);
    if (bands.size() > kLinearRowSearch) rowOfBand_.emplace(bands[i], i);
  }
}

ContestResultBuilder::~ContestResultBuilder() = default;

// Taking the QSOs in log order visits each row's QSOs in the order a scan per row would, so
// the per-row lists keep their first-logged order.
void ContestResultBuilder::Add(const ResultQso& qso) {
  ++offered_;
  if (qso.call.empty() || qso.dupe) return;
  // Consecutive QSOs are mostly on one band.
  if (!haveLastRow_ || bands_[lastRow_] != qso.band) {
    std::size_t row = 0;
    if (bands_.size() > kLinearRowSearch) {
      const auto it = rowOfBand_.find(qso.band);
      row = it == rowOfBand_.end() ? bands_.size() : it->second;
    } else {
      while (row < bands_.size() && bands_[row] != qso.band) ++row;
    }
    if (row == bands_.size()) return;
    lastRow_ = row;
    haveLastRow_ = true;
  }
  Tally& tally = tallies_[lastRow_];
  BandRowLists& lists = rows_[lastRow_];

  const int32_t points = QsoPoints(context_.points, qso.exchRcvd);
  ++tally.qsos;
  tally.points += points;
  lastQsoPoints_ = points;
  if (!context_.exportPass) {
    const RateWindows windows = RateWindowsOf(reference_, qso.time);
    if (windows.lastHour) {
      ++hourQsos_;
      hourPoints_ += points;
    }
    if (windows.lastTenMinutes) {
      ++tenQsos_;
      tenPoints_ += points;
    }
  }
  if (IsRussianPrefix(qso.country) && !qso.oblast.empty() && tally.seenOblasts.Insert(qso.oblast)) {
    lists.oblasts.emplace_back(qso.oblast);
  }
  if (!qso.zone.empty() && tally.seenZones.Insert(qso.zone)) lists.zones.emplace_back(qso.zone);
  if (!qso.country.empty() && tally.seenCountries.Insert(qso.country)) {
    lists.countries.emplace_back(qso.country);
  }
}

ContestResult ContestResultBuilder::Finish() {
  ContestResult result;
  std::string& text = result.text;
  text.reserve(256 + 48 * bands_.size());
  AppendFormat(text, "      ZARL %.*s\r\n\t    %s: %.*s \r\n\tQSOs\tPoints\t OBL\t LOC\r\n",
               Len(context_.startDate), context_.startDate.data(), kParticipantCp1251,
               Len(context_.ownCall), context_.ownCall.data());

  int64_t totalPoints = 0, totalObl = 0, totalLoc = 0;
  for (std::size_t i = 0; i < bands_.size(); ++i) {
    const BandRowLists& lists = rows_[i];
    const Tally& tally = tallies_[i];
    AppendFormat(text, "%s\t %i\t %i\t  %i\t  %i\t  \r\n", bands_[i].c_str(), AsInt(tally.qsos),
                 AsInt(tally.points), AsInt(lists.oblasts.size()), AsInt(lists.zones.size()));
    totalPoints += tally.points;
    totalObl += static_cast<int64_t>(lists.oblasts.size());
    totalLoc += static_cast<int64_t>(lists.zones.size());
  }
  AppendFormat(text, "Total\t %i\t %i\t  %i\t  %i\t  \r\n", AsInt(offered_),
               AsInt(totalPoints), AsInt(totalObl), AsInt(totalLoc));

  if (!context_.exportPass && offered_ > 0) {
    AppendFormat(text,
                 "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                 "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                 AsInt(hourQsos_), AsInt(6 * tenQsos_), AsInt(hourPoints_),
                 AsInt(6 * tenPoints_), AsInt(lastQsoPoints_));
  }

  const int64_t score = (totalObl + totalLoc) * 50 + totalPoints;
  result.score = AsInt(score);
  AppendFormat(text, "\r\nScore: %i + (50*%i + 50*%i) = %i\r\n", AsInt(totalPoints),
               AsInt(totalObl), AsInt(totalLoc), result.score);
  result.rows = std::move(rows_);
  return result;
}

ContestResult BuildContestResult(const ResultContext& context, std::span<const std::string> bands,
                                 std::span<const ResultQso> qsos) {
  const OleDateTime reference =
      RateReference(context.exportPass, qsos.size(), qsos.empty() ? OleDateTime() : qsos.back().time);
  ContestResultBuilder builder(context, bands, reference);
  for (const ResultQso& qso : qsos) builder.Add(qso);
  return builder.Finish();
}

}  // namespace rules

#include "ui/oblast_tick_view.h"

#include <cmath>

#include "rules/bands.h"
#include "ui/band_of_frequency.h"

namespace ui {
namespace {

WorkedTimesTable EmptyWorkedTimes() {
  WorkedTimesTable rows;
  for (int band = 0; band < kSnapshotBandCount; ++band) {
    rows[band] = {std::string(rules::kContestBandNames[band]), std::string(kNoTime),
                  std::string(kNoTime), std::string(kNoTime)};
  }
  return rows;
}

const std::vector<std::string>& NoEntries() {
  static const std::vector<std::string> none;
  return none;
}

const std::vector<std::string>& ListOfBand(const SnapshotBandLists& lists, int band) {
  return band >= 0 ? lists[band] : NoEntries();
}

void TickBoxes(const ContestSnapshot& contest, OblastTickOutcome& out) {
  for (const std::string& code : ListOfBand(contest.oblastsByBand, out.currentBand)) {
    const int box = OblastBoxOfCode(code);
    if (box >= 0) out.oblastBoxes[box] = true;
  }
  for (const std::string& zone : ListOfBand(contest.zonesByBand, out.currentBand)) {
    if (zone.size() == 1 && zone[0] >= '1' && zone[0] <= '7') out.zoneBoxes[zone[0] - '1'] = true;
  }
}

}  // namespace

WorkedTimesTable WorkedTimesFor(const ContestSnapshot& contest, std::string_view call) {
  WorkedTimesTable rows = EmptyWorkedTimes();
  if (call.empty()) return rows;
  for (const SnapshotQso& qso : contest.qsos) {
    if (qso.call != call) continue;
    const int band = rules::ContestBandIndex(qso.band);
    if (band < 0) continue;
    if (qso.mode == "CW") {
      rows[band][1] = qso.time.Format("%H:%M");
    } else if (qso.mode == "SSB") {
      rows[band][2] = qso.time.Format("%H:%M");
    }
  }
  return rows;
}

std::string OblastCaption(std::string_view bandName, std::size_t worked) {
  std::string caption = "Obl worked on ";
  caption += bandName;
  caption += ' ';
  caption += std::to_string(worked);
  caption += " of 88";
  return caption;
}

OblastTickOutcome RunOblastTick(OblastTickIo& io, OblastTickMemory& memory,
                                const ContestSnapshot& contest, bool dxccWindowOpen) {
  OblastTickOutcome out;
  const bool linked = io.HostLinked();

  double frequency = 0.0;
  if (linked && !io.GetHostFrequency(frequency)) return out;

  // The host is put into the contest's mode once per load, by the first tick that can
  // reach it.
  if (linked && !memory.firstTickDone) {
    const int32_t mode = io.ReadModeSetting();
    out.contestMode = mode;
    if (!io.RunHostMacro(mode != 0 ? kModeCwMacro : kModeSsbMacro)) return out;
    memory.firstTickDone = true;
  }

  if (linked && !io.GetEntryText(out.currentCall)) return out;
  out.entryRead = true;
  out.workedTimes = WorkedTimesFor(contest, out.currentCall);
  if (!out.currentCall.empty()) {
    out.createDxccWindow = !dxccWindowOpen;
    out.dxccCaption = " ZARL worked with " + out.currentCall;
  }

  // "<SP1>" tells the host the operator is searching and pouncing; it is repeated only when
  // the frequency has really moved, not for every tick on the same spot.
  if (linked && std::fabs(frequency - memory.lastSp1FrequencyHz) > kSp1MoveHz) {
    if (!io.RunHostMacro(kSp1Macro)) return out;
    memory.lastSp1FrequencyHz = frequency;
  }

  const TunedBand band = linked ? BandIndexFromFrequency(frequency) : TunedBand{};
  out.currentBand = band.index;
  out.bandName = std::string(band.name);
  out.oblastCaption =
      OblastCaption(band.name, ListOfBand(contest.oblastsByBand, band.index).size());
  TickBoxes(contest, out);
  out.redrawDxccWindow = dxccWindowOpen || out.createDxccWindow;
  out.completed = true;
  return out;
}

}  // namespace ui

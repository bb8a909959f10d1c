#pragma once
// The oblast window's tick: what it asks the host, what it sends the host, and what the
// zone, oblast and DXCC windows show afterwards. The Win32 windows only apply the outcome.
//
// One tick, in order: read the host's frequency; on the first tick after the plug-in was
// loaded, read the contest mode from the settings and send the host "<MODE:CW>" or
// "<MODE:SSB>"; read the callsign being typed; fill the worked-with rows for that callsign;
// ask for the DXCC window and its caption; send "<SP1>" when the frequency has moved more
// than 300 Hz since it was last sent; then the band, the oblast caption and the boxes.
// A host call that fails ends the tick there: what comes after it is not decided and the
// windows keep what the previous tick showed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/contest_snapshot.h"
#include "ui/oblast_grid.h"

namespace ui {

inline constexpr std::string_view kModeCwMacro = "<MODE:CW>";
inline constexpr std::string_view kModeSsbMacro = "<MODE:SSB>";
inline constexpr std::string_view kSp1Macro = "<SP1>";
// "<SP1>" is sent again only once the frequency has moved strictly more than this.
inline constexpr double kSp1MoveHz = 300.0;
// Shown in a worked-with row's time slot when no QSO fills it.
inline constexpr std::string_view kNoTime = "   -";
inline constexpr int kZoneCount = 7;

// What the tick needs from outside: the host (through its automation object) and the
// settings. Each host call returns false when the host reported an error.
class OblastTickIo {
 public:
  virtual ~OblastTickIo() = default;
  // False while the windows have no link to the host; the tick then makes no host call.
  virtual bool HostLinked() const = 0;
  virtual bool GetHostFrequency(double& hertz) = 0;
  // The host's callsign entry field, in the plug-in's code page.
  virtual bool GetEntryText(std::string& text) = 0;
  virtual bool RunHostMacro(std::string_view macro) = 0;
  // The "Mode" setting as a number (1 CW, 0 SSB); read on the first tick only.
  virtual int32_t ReadModeSetting() = 0;
};

// What the tick keeps from one tick to the next, for the life of the loaded plug-in (a
// restarted windows' thread keeps it too: the mode goes to the host once per load).
struct OblastTickMemory {
  bool firstTickDone = false;
  double lastSp1FrequencyHz = 0.0;  // where "<SP1>" was last sent
};

// One band's worked-with row: band label, time of the last CW QSO, of the last SSB QSO,
// and a spare slot, each "   -" when empty.
using WorkedTimesRow = std::array<std::string, 4>;
using WorkedTimesTable = std::array<WorkedTimesRow, kSnapshotBandCount>;

// Rows for `call`: every QSO of the list with exactly that call (case-sensitive) on one of
// the six bands writes its "%H:%M" time into the CW or SSB slot of its band; a later QSO
// overwrites an earlier one, other modes write nothing. An empty call gives empty rows.
WorkedTimesTable WorkedTimesFor(const ContestSnapshot& contest, std::string_view call);

// "Obl worked on <band> <n> of 88"; off the six bands the name is empty.
std::string OblastCaption(std::string_view bandName, std::size_t worked);

struct OblastTickOutcome {
  // The first-tick step read this contest mode from the settings (store it as the
  // contest's mode). Set even when the mode macro then failed.
  std::optional<int32_t> contestMode;

  // The callsign was read: the fields down to dxccCaption hold this tick's decision.
  bool entryRead = false;
  std::string currentCall;
  WorkedTimesTable workedTimes;
  bool createDxccWindow = false;           // a callsign is typed and no DXCC window is open
  std::optional<std::string> dxccCaption;  // retitle the DXCC window (only with a callsign)

  // The tick ran to its end: the fields below hold this tick's decision.
  bool completed = false;
  int currentBand = -1;
  std::string bandName;
  std::string oblastCaption;
  std::array<bool, kOblastBoxCount> oblastBoxes{};  // index as kOblastBoxes
  std::array<bool, kZoneCount> zoneBoxes{};         // zone 1 at index 0
  bool redrawDxccWindow = false;  // the DXCC window (open or just created) repaints
};

// Runs one tick against `contest`, a copy of the contest state taken for this tick.
// `dxccWindowOpen` tells whether a DXCC window is open now. Updates `memory` as the host
// calls succeed. Without a host link the tick sees no band and an empty callsign, sends
// nothing and leaves the first-tick step for a tick that can reach the host.
OblastTickOutcome RunOblastTick(OblastTickIo& io, OblastTickMemory& memory,
                                const ContestSnapshot& contest, bool dxccWindowOpen);

}  // namespace ui

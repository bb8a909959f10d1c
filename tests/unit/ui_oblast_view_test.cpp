// The oblast window's tick: the band of the host's frequency, the caption and the boxes, the
// macros sent to the host and their order, the worked-with rows, the DXCC window requests,
// and where a failing host call or a missing host link leaves things.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "rules/oblast_resolver.h"
#include "ui/band_of_frequency.h"
#include "ui/oblast_grid.h"
#include "ui/oblast_tick_view.h"

namespace {

using ui::ContestSnapshot;
using ui::OblastTickMemory;
using ui::OblastTickOutcome;

// A host that answers from its fields and logs every call in order. `failAt` makes the call
// with that log entry fail.
class FakeHost : public ui::OblastTickIo {
 public:
  bool linked = true;
  double frequency = 14'025'000;
  std::string entry;
  int32_t modeSetting = 0;
  std::string failAt;
  std::vector<std::string> calls;

  bool HostLinked() const override { return linked; }
  bool GetHostFrequency(double& hertz) override {
    hertz = frequency;
    return Log("frequency");
  }
  bool GetEntryText(std::string& text) override {
    text = entry;
    return Log("entry");
  }
  bool RunHostMacro(std::string_view macro) override { return Log(std::string(macro)); }
  int32_t ReadModeSetting() override {
    calls.push_back("mode setting");
    return modeSetting;
  }
  std::vector<std::string> Macros() const {
    std::vector<std::string> macros;
    for (const std::string& c : calls) {
      if (c.front() == '<') macros.push_back(c);
    }
    return macros;
  }

 private:
  bool Log(const std::string& call) {
    calls.push_back(call);
    return call != failAt;
  }
};

// Memory after a first tick that sent its macros at `frequency`.
OblastTickMemory AfterFirstTick(double frequency) { return {true, frequency}; }

std::vector<std::string> TickedCodes(const OblastTickOutcome& out) {
  std::vector<std::string> codes;
  for (int i = 0; i < ui::kOblastBoxCount; ++i) {
    if (out.oblastBoxes[i]) codes.emplace_back(ui::kOblastBoxes[i].code);
  }
  return codes;
}

std::vector<int> TickedZones(const OblastTickOutcome& out) {
  std::vector<int> zones;
  for (int z = 0; z < ui::kZoneCount; ++z) {
    if (out.zoneBoxes[z]) zones.push_back(z + 1);
  }
  return zones;
}

ui::SnapshotQso Qso(std::string call, std::string band, std::string mode, int hour, int minute) {
  return {std::move(call), std::move(band), std::move(mode),
          OleDateTime::FromParts(2026, 2, 7, hour, minute, 0)};
}

TEST(BandOfFrequency, WholeMegahertzPicksTheBand) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double hertz;
    int index;
    std::string_view name;
  } cases[] = {
      {1'800'000, 0, "160m"}, {1'999'999, 0, "160m"},
      {999'999, -1, ""},      {2'000'000, -1, ""},
      {3'500'000, 1, "80m"},  {3'999'999, 1, "80m"},
      {4'000'000, -1, ""},    {7'000'000, 2, "40m"},
      {10'120'000, -1, ""},   {14'025'000, 3, "20m"},
      {18'100'000, -1, ""},   {21'999'999.9, 4, "15m"},
      {28'999'999, 5, "10m"}, {29'500'000, -1, ""},
      {50'100'000, -1, ""},   {0, -1, ""},
      {-1'500'000, -1, ""},   {-7'000'000, -1, ""},
      {nan, -1, ""},          {1e300, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hertz);
    const ui::TunedBand band = ui::BandIndexFromFrequency(c.hertz);
    EXPECT_EQ(band.index, c.index);
    EXPECT_EQ(band.name, c.name);
  }
}

TEST(OblastGrid, SecondNamesShareTheBoxOfTheFirstAndNonCodesTickNothing) {
  const struct {
    std::string_view code, box;
  } cases[] = {
      {"YR", "YR"}, {"JA", "YR"}, {"YN", "YN"}, {"JN", "YN"}, {"YA", "YA"},
      {"SH", "YA"}, {"AN", "AN"}, {"FJ", "FJ"}, {"KI", "KI"}, {"ZK", "ZK"},
      {"AD", "AD"}, {"DROB", ""}, {rules::kSpecialEventResult, ""}, {"STO", ""},  {"AB", ""},
      {"UO", ""},   {"mo", ""},   {"MO ", ""},  {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const int box = ui::OblastBoxOfCode(c.code);
    EXPECT_EQ(box < 0 ? std::string_view() : ui::kOblastBoxes[box].code, c.box);
  }
  // Where the template puts two of them: first and last row, narrower boxes in between.
  const ui::OblastBox& sp = ui::kOblastBoxes[ui::OblastBoxOfCode("SP")];
  EXPECT_EQ((std::array{sp.controlId, sp.x, sp.y, sp.height}), (std::array{1019, 42, 109, 10}));
  const ui::OblastBox& bu = ui::kOblastBoxes[ui::OblastBoxOfCode("BU")];
  EXPECT_EQ((std::array{bu.controlId, bu.x, bu.y, bu.height}), (std::array{1101, 110, 15, 8}));
}

TEST(OblastTick, CaptionAndBoxesShowTheTunedBandOnly) {
  ContestSnapshot contest;
  contest.oblastsByBand[3] = {"MO", "SP"};
  contest.zonesByBand[3] = {"3", "7", "9", "", "37", "0"};
  contest.oblastsByBand[1] = {"YR", "JA", "DROB"};
  contest.zonesByBand[1] = {"1"};
  contest.oblastsByBand[0] = {"SH", "JN", "KI", "AB"};
  const struct {
    double hertz;
    std::string caption;
    std::vector<std::string> codes;
    std::vector<int> zones;
  } cases[] = {
      {14'025'000, "Obl worked on 20m 2 of 88", {"MO", "SP"}, {3, 7}},
      {3'999'999, "Obl worked on 80m 3 of 88", {"YR"}, {1}},  // an alias and a stroke call
      {1'830'000, "Obl worked on 160m 4 of 88", {"KI", "YA", "YN"}, {}},
      {4'000'000, "Obl worked on  0 of 88", {}, {}},
      {10'120'000, "Obl worked on  0 of 88", {}, {}},
      {7'010'000, "Obl worked on 40m 0 of 88", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hertz);
    FakeHost host;
    host.frequency = c.hertz;
    OblastTickMemory memory = AfterFirstTick(c.hertz);
    const OblastTickOutcome out = ui::RunOblastTick(host, memory, contest, false);
    ASSERT_TRUE(out.completed);
    EXPECT_EQ(out.oblastCaption, c.caption);
    EXPECT_EQ(TickedCodes(out), c.codes);
    EXPECT_EQ(TickedZones(out), c.zones);
    EXPECT_EQ(out.currentBand, ui::BandIndexFromFrequency(c.hertz).index);
  }
}

TEST(OblastTick, FirstTickSendsTheModeMacroOnceThenSp1BeforeTheCallIsRead) {
  for (const int32_t mode : {1, 0}) {
    SCOPED_TRACE(mode);
    FakeHost host;
    host.modeSetting = mode;
    host.frequency = 7'010'000;
    OblastTickMemory memory;
    const OblastTickOutcome first = ui::RunOblastTick(host, memory, {}, false);
    const std::string modeMacro = mode != 0 ? "<MODE:CW>" : "<MODE:SSB>";
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"frequency", "mode setting", modeMacro, "entry", "<SP1>"}));
    EXPECT_EQ(first.contestMode, mode);
    EXPECT_TRUE(memory.firstTickDone);
    EXPECT_EQ(memory.lastSp1FrequencyHz, 7'010'000);

    host.calls.clear();
    const OblastTickOutcome second = ui::RunOblastTick(host, memory, {}, false);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"frequency", "entry"}));
    EXPECT_FALSE(second.contestMode.has_value());
  }
}

TEST(OblastTick, Sp1OnlyWhenTheFrequencyMovedMoreThan300Hz) {
  FakeHost host;
  OblastTickMemory memory;
  host.frequency = 300;  // the reference starts at 0 Hz
  ui::RunOblastTick(host, memory, {}, false);
  EXPECT_EQ(host.Macros(), (std::vector<std::string>{"<MODE:SSB>"}));

  const struct {
    double hertz;
    bool sent;
    double reference;
  } steps[] = {
      {7'010'000, true, 7'010'000},   {7'010'250, false, 7'010'000}, {7'010'300, false, 7'010'000},
      {7'010'301, true, 7'010'301},   {7'010'001, false, 7'010'301}, {7'010'000, true, 7'010'000},
      {14'025'000, true, 14'025'000},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.hertz);
    host.calls.clear();
    host.frequency = s.hertz;
    ui::RunOblastTick(host, memory, {}, false);
    EXPECT_EQ(host.Macros(),
              s.sent ? std::vector<std::string>{"<SP1>"} : std::vector<std::string>{});
    EXPECT_EQ(memory.lastSp1FrequencyHz, s.reference);
  }
}

TEST(OblastTick, WorkedTimesShowTheLastCwAndSsbQsoPerBandOfTheTypedCall) {
  ContestSnapshot contest;
  contest.qsos = {
      Qso("UA3ABC", "20m", "CW", 11, 0),  Qso("UA3ABC", "20m", "CW", 12, 34),
      Qso("UA3ABC", "20m", "SSB", 13, 5), Qso("UA3ABC", "20m", "RTTY", 14, 0),
      Qso("UA3ABC", "15m", "SSB", 9, 7),  Qso("UA3ABCD", "40m", "CW", 8, 0),
      Qso("UA3AB", "80m", "CW", 8, 1),    Qso("UA3ABC", "30m", "CW", 8, 2),
      Qso("UA3ABC", "20M", "CW", 8, 3),
  };
  const ui::WorkedTimesTable rows = ui::WorkedTimesFor(contest, "UA3ABC");
  const ui::WorkedTimesTable expected = {{
      {"160m", "   -", "   -", "   -"},
      {"80m", "   -", "   -", "   -"},
      {"40m", "   -", "   -", "   -"},
      {"20m", "12:34", "13:05", "   -"},
      {"15m", "   -", "09:07", "   -"},
      {"10m", "   -", "   -", "   -"},
  }};
  EXPECT_EQ(rows, expected);

  // Through the tick, and typed in lower case: nothing matches, but a call is being typed.
  for (const std::string& typed : {std::string("UA3ABC"), std::string("ua3abc")}) {
    SCOPED_TRACE(typed);
    FakeHost host;
    host.entry = typed;
    OblastTickMemory memory = AfterFirstTick(host.frequency);
    const OblastTickOutcome out = ui::RunOblastTick(host, memory, contest, false);
    EXPECT_EQ(out.currentCall, typed);
    EXPECT_EQ(out.workedTimes, typed == "UA3ABC" ? expected : ui::WorkedTimesFor({}, "x"));
    EXPECT_TRUE(out.createDxccWindow);
    EXPECT_EQ(out.dxccCaption, " ZARL worked with " + typed);
  }
}

TEST(OblastTick, DxccWindowIsAskedForOnlyWhileACallIsTyped) {
  ContestSnapshot contest;
  contest.oblastsByBand[3] = {"MO"};
  contest.zonesByBand[3] = {"2"};
  contest.qsos = {Qso("UA3ABC", "20m", "CW", 12, 34)};
  const struct {
    std::string entry;
    bool open, create, retitle, redraw;
  } cases[] = {
      {"UA3ABC", false, true, true, true},
      {"UA3ABC", true, false, true, true},
      {"", true, false, false, true},  // the repaint is what closes it
      {"", false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry + (c.open ? " open" : " none"));
    FakeHost host;
    host.entry = c.entry;
    OblastTickMemory memory = AfterFirstTick(host.frequency);
    const OblastTickOutcome out = ui::RunOblastTick(host, memory, contest, c.open);
    EXPECT_EQ(out.createDxccWindow, c.create);
    EXPECT_EQ(out.dxccCaption.has_value(), c.retitle);
    EXPECT_EQ(out.redrawDxccWindow, c.redraw);
    // The boxes and the caption are refreshed whatever the entry field holds.
    EXPECT_EQ(out.oblastCaption, "Obl worked on 20m 1 of 88");
    EXPECT_EQ(TickedCodes(out), std::vector<std::string>{"MO"});
    EXPECT_EQ(TickedZones(out), std::vector<int>{2});
    if (c.entry.empty()) {
      EXPECT_EQ(out.workedTimes[3][1], "   -");
    }
  }
}

TEST(OblastTick, AFailingHostCallEndsTheTickThere) {
  const struct {
    std::string failAt;
    std::vector<std::string> calls;
    bool firstTickDone, modeRead, entryRead, completed;
    double reference;
  } cases[] = {
      {"frequency", {"frequency"}, false, false, false, false, 0},
      {"<MODE:SSB>", {"frequency", "mode setting", "<MODE:SSB>"}, false, true, false, false, 0},
      {"entry", {"frequency", "mode setting", "<MODE:SSB>", "entry"}, true, true, false, false, 0},
      {"<SP1>",
       {"frequency", "mode setting", "<MODE:SSB>", "entry", "<SP1>"},
       true,
       true,
       true,
       false,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failAt);
    FakeHost host;
    host.entry = "UA3ABC";
    host.failAt = c.failAt;
    OblastTickMemory memory;
    const OblastTickOutcome out = ui::RunOblastTick(host, memory, {}, false);
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(memory.firstTickDone, c.firstTickDone);
    EXPECT_EQ(memory.lastSp1FrequencyHz, c.reference);
    EXPECT_EQ(out.contestMode.has_value(), c.modeRead);
    EXPECT_EQ(out.entryRead, c.entryRead);
    EXPECT_EQ(out.createDxccWindow, c.entryRead);
    EXPECT_EQ(out.completed, c.completed);
  }
  // The mode macro that failed goes out with the next tick.
  FakeHost host;
  host.failAt = "<MODE:SSB>";
  OblastTickMemory memory;
  ui::RunOblastTick(host, memory, {}, false);
  host.failAt.clear();
  host.calls.clear();
  ui::RunOblastTick(host, memory, {}, false);
  EXPECT_EQ(host.Macros(), (std::vector<std::string>{"<MODE:SSB>", "<SP1>"}));
}

TEST(OblastTick, WithoutAHostLinkNoBandNoCallAndNothingSent) {
  ContestSnapshot contest;
  contest.oblastsByBand[3] = {"MO"};
  contest.zonesByBand[3] = {"2"};
  FakeHost host;
  host.linked = false;
  host.entry = "UA3ABC";
  OblastTickMemory memory;
  const OblastTickOutcome out = ui::RunOblastTick(host, memory, contest, true);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(out.completed);
  EXPECT_EQ(out.currentBand, -1);
  EXPECT_EQ(out.currentCall, "");
  EXPECT_EQ(out.oblastCaption, "Obl worked on  0 of 88");
  EXPECT_TRUE(TickedCodes(out).empty());
  EXPECT_TRUE(TickedZones(out).empty());
  EXPECT_FALSE(out.createDxccWindow);
  EXPECT_TRUE(out.redrawDxccWindow);
  EXPECT_FALSE(memory.firstTickDone);

  // A link that appears later still gets the mode macro once.
  host.linked = true;
  ui::RunOblastTick(host, memory, contest, true);
  EXPECT_EQ(host.Macros(), (std::vector<std::string>{"<MODE:SSB>", "<SP1>"}));
}

}  // namespace

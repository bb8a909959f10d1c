#include "tools/zarl_score/example_log.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"

namespace zarl_score {
namespace {

// splitmix64: small, fast and the same everywhere, unlike the standard distributions.
class Random {
 public:
  explicit Random(uint64_t seed) : m_State(seed) {}
  uint64_t Next() {
    uint64_t z = (m_State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(double p) { return static_cast<double>(Next() >> 11) * 0x1.0p-53 < p; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) { return items[static_cast<std::size_t>(Below(N))]; }

 private:
  uint64_t m_State;
};

struct Station {
  std::string call;
  int zone;
  int dxcc;
  int serialRate;  // QSOs per hour the station makes, for its serial numbers
};

struct Foreign {
  std::string_view prefix;
  int dxcc;
};
constexpr std::array<Foreign, 16> kForeign = {{
    {"DL", 230}, {"DK", 230}, {"OH", 224}, {"SP", 269}, {"OK", 503}, {"YL", 145},
    {"ES", 52},  {"LY", 146}, {"UR", 288}, {"UT", 288}, {"EW", 27},  {"4L", 75},
    {"HA", 239}, {"YO", 275}, {"LZ", 212}, {"OM", 504},
}};
constexpr std::array<std::string_view, 10> kRussianPrefixes = {"RA", "RK", "RN", "RU", "RV",
                                                               "RW", "RX", "RZ", "UA", "R"};
// Call areas weighted roughly by how many stations are active there.
constexpr std::array<char, 14> kAreas = {'1', '1', '3', '3', '3', '3', '4', '4', '6', '6', '9', '9', '0', '2'};

std::string Letters(Random& r, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += static_cast<char>('A' + r.Below(26));
  return s;
}

Station MakeRussian(Random& r) {
  while (true) {
    const char area = r.Pick(kAreas);
    const char region = static_cast<char>('A' + r.Below(26));
    std::string prefix(r.Pick(kRussianPrefixes));
    const bool kaliningrad = area == '2' && (region == 'F' || region == 'K');
    // RA2 and UA2 calls are all Kaliningrad's; other area-2 calls are European Russia's.
    if (area == '2' && !kaliningrad && (prefix == "RA" || prefix == "UA")) prefix = "RV";
    const std::string call = prefix + area + region + Letters(r, r.Between(1, 2));
    const char* oblast = rules::ResolveOblast(call);
    const int zone = rules::ZoneOfOblast(oblast);
    if (zone == 0) continue;  // special-event shapes and oblasts without a zone
    const bool european = (area == '8' || area == '9') && (region == 'F' || region == 'G' || region == 'X');
    const bool asiatic = (area == '8' || area == '9' || area == '0') && !european;
    const int dxcc = asiatic ? 15 : kaliningrad ? 126 : 54;
    return {call, zone, dxcc, r.Between(40, 160)};
  }
}

Station MakeForeign(Random& r) {
  const Foreign& f = r.Pick(kForeign);
  const std::string call = std::string(f.prefix) + static_cast<char>('0' + r.Below(10)) + Letters(r, r.Between(2, 3));
  return {call, r.Between(1, 7), f.dxcc, r.Between(30, 120)};
}

struct Band {
  const char* name;
  int cwLowKHz, cwHighKHz, ssbLowKHz, ssbHighKHz;
  const char* sideband;
};
constexpr std::array<Band, 6> kContestBands = {{
    {"160m", 1810, 1850, 1850, 1900, "LSB"},
    {"80m", 3510, 3570, 3600, 3750, "LSB"},
    {"40m", 7005, 7040, 7060, 7150, "LSB"},
    {"20m", 14005, 14060, 14150, 14300, "USB"},
    {"15m", 21005, 21070, 21200, 21400, "USB"},
    {"10m", 28005, 28070, 28400, 28600, "USB"},
}};

struct Clock {
  int year = 2026, month = 2, day = 7;
  long secondsOfDay = 12 * 3600;

  void Advance(int seconds) {
    secondsOfDay += seconds;
    while (secondsOfDay >= 86400) {
      secondsOfDay -= 86400;
      static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
      const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
      const int inMonth = month == 2 && leap ? 29 : kDays[month - 1];
      if (++day > inMonth) {
        day = 1;
        if (++month > 12) month = 1, ++year;
      }
    }
  }
};

void Field(std::string& out, const char* name, std::string_view value) {
  char tag[48];
  std::snprintf(tag, sizeof tag, "<%s:%zu>", name, value.size());
  out += tag;
  out += value;
  out += ' ';
}

std::string Format(const char* format, long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

std::string MakeExampleAdif(const ExampleLogShape& shape) {
  Random r(shape.seed);
  const int poolSize = shape.records / 4 > 150 ? shape.records / 4 : 150;
  std::vector<Station> pool;
  pool.reserve(static_cast<std::size_t>(poolSize));
  for (int i = 0; i < poolSize; ++i) pool.push_back(r.Chance(0.12) ? MakeForeign(r) : MakeRussian(r));
  const std::string ownCall = shape.ownCall;
  const int ownZone = rules::ZoneOfOblast(rules::ResolveOblast(ownCall));

  std::string out =
      "Example ZARL contest log for trying the scoring tool. Everything in it is made up:\n"
      "stations, times, frequencies and exchanges are invented, not a real contest's log.\n";
  Field(out, "ADIF_VER", "3.1.4");
  Field(out, "PROGRAMID", "make_example_log");
  out += "\n<EOH>\n";
  out.reserve(out.size() + static_cast<std::size_t>(shape.records) * 300);

  std::unordered_set<std::string> worked;  // call, band and mode
  std::vector<std::size_t> recent;         // stations of the last QSOs, for dupes
  Clock clock;
  std::size_t band = 2;
  bool ssb = false;
  int runLeft = 0;
  long elapsed = 0;
  for (int serial = 1; serial <= shape.records; ++serial) {
    if (runLeft-- <= 0) {  // a new run: another band, sometimes the other mode
      band = static_cast<std::size_t>(r.Below(static_cast<int>(kContestBands.size())));
      ssb = r.Chance(0.25);
      runLeft = r.Between(6, 30);
    }
    const int gap = r.Between(15, 80);
    clock.Advance(gap);
    elapsed += gap;

    enum { kNormal, kDupe, kThirtyMetres, kRtty, kNoExchange } kind = kNormal;
    if (r.Chance(shape.faultShare)) kind = static_cast<decltype(kind)>(r.Between(1, 4));
    if (kind == kDupe && recent.empty()) kind = kNormal;

    const Band& b = kContestBands[band];
    std::string bandName = b.name, mode = ssb ? "SSB" : "CW";
    int khz = ssb ? r.Between(b.ssbLowKHz, b.ssbHighKHz) : r.Between(b.cwLowKHz, b.cwHighKHz);
    std::size_t station = 0;
    if (kind == kDupe) {
      // Worked again by mistake a few minutes later: same call, band and mode.
      station = recent[static_cast<std::size_t>(r.Below(static_cast<int>(recent.size())))];
    } else {
      for (int tries = 0; tries < 20; ++tries) {
        station = static_cast<std::size_t>(r.Below(poolSize));
        if (!worked.count(pool[station].call + ' ' + bandName + ' ' + mode)) break;
      }
    }
    if (kind == kThirtyMetres) bandName = "30m", mode = "CW", khz = r.Between(10105, 10130);
    if (kind == kRtty) mode = "RTTY", bandName = "20m", khz = r.Between(14080, 14095);
    const Station& s = pool[station];
    if (kind == kNormal || kind == kNoExchange) {
      worked.insert(s.call + ' ' + bandName + ' ' + mode);
      recent.push_back(station);
      if (recent.size() > 8) recent.erase(recent.begin());
    }

    const long theirSerial = 1 + elapsed * s.serialRate / 3600 + r.Below(5);
    const std::string sentSerial = Format("%03ld", serial);
    const std::string rcvdSerial = Format("%03ld", theirSerial);
    const bool cwLike = mode != "SSB";
    const char* report = cwLike ? (r.Chance(0.1) ? "579" : "599") : (r.Chance(0.1) ? "57" : "59");

    Field(out, "CALL", s.call);
    Field(out, "QSO_DATE", Format("%04ld", clock.year) + Format("%02ld", clock.month) + Format("%02ld", clock.day));
    Field(out, "TIME_ON", Format("%02ld", clock.secondsOfDay / 3600) + Format("%02ld", clock.secondsOfDay / 60 % 60) +
                              Format("%02ld", clock.secondsOfDay % 60));
    Field(out, "BAND", bandName);
    Field(out, "FREQ", Format("%ld.", khz / 1000) + Format("%03ld", khz % 1000) + Format("%ld", r.Below(10)) + "0");
    Field(out, "MODE", mode);
    if (mode == "SSB") Field(out, "SUBMODE", b.sideband);
    Field(out, "RST_SENT", cwLike ? "599" : "59");
    Field(out, "RST_RCVD", report);
    Field(out, "STX", std::to_string(serial));
    Field(out, "STX_STRING", std::to_string(ownZone) + sentSerial);
    if (kind != kNoExchange) {
      Field(out, "SRX", std::to_string(theirSerial));
      Field(out, "SRX_STRING", std::to_string(s.zone) + rcvdSerial);
    }
    Field(out, "DXCC", std::to_string(s.dxcc));
    Field(out, "STATION_CALLSIGN", ownCall);
    Field(out, "CONTEST_ID", "ZARL");
    out += "<EOR>\n";
  }
  return out;
}

}  // namespace zarl_score

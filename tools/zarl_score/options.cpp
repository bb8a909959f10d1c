#include "tools/zarl_score/options.h"

#include <functional>
#include <map>

#include "tools/zarl_score/qso_fields.h"

namespace zarl_score {
namespace {

using Setter = std::function<std::string(ScoreOptions&, const std::string&)>;

// Each valued option and how it sets its value; a non-empty result is the complaint.
const std::map<std::string, Setter>& ValuedOptions() {
  static const std::map<std::string, Setter> options = [] {
    std::map<std::string, Setter> m = {
        {"call", [](ScoreOptions& o, const std::string& v) {
           o.ownCall = UpperTrimmed(v);
           return o.ownCall.empty() ? std::string("--call needs a callsign") : std::string();
         }},
        {"out", [](ScoreOptions& o, const std::string& v) { o.outDir = v; return std::string(); }},
        {"points", [](ScoreOptions& o, const std::string& v) { o.pointsFile = v; return std::string(); }},
        {"ini", [](ScoreOptions& o, const std::string& v) { o.iniFile = v; return std::string(); }},
        {"cty", [](ScoreOptions& o, const std::string& v) { o.ctyFile = v; return std::string(); }},
        {"zone", [](ScoreOptions& o, const std::string& v) {
           const std::optional<int> zone = ParseSmallNumber(v);
           if (!zone || *zone < 1 || *zone > 7) return std::string("--zone takes a zone 1 to 7");
           o.zone = zone;
           return std::string();
         }},
        {"mode", [](ScoreOptions& o, const std::string& v) {
           const std::string m = UpperTrimmed(v);
           if (m != "CW" && m != "SSB") return std::string("--mode takes CW or SSB");
           o.mode = m == "CW" ? 1 : 0;
           return std::string();
         }},
        {"format", [](ScoreOptions& o, const std::string& v) {
           if (v == "adif") {
             o.format = LogFormat::kAdif;
           } else if (v == "cabrillo") {
             o.format = LogFormat::kCabrillo;
           } else {
             return std::string("--format takes adif or cabrillo");
           }
           return std::string();
         }},
    };
    for (const HeaderOption& h : kHeaderOptions) {
      m.emplace(h.option, [&h](ScoreOptions& o, const std::string& v) {
        o.header.push_back({&h, v});
        return std::string();
      });
    }
    return m;
  }();
  return options;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine result;
  ScoreOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      result.help = true;
      return result;
    }
    if (arg == "--no-cty") {
      options.noCty = true;
      continue;
    }
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      if (!arg.empty() && arg[0] == '-' && arg != "-") {
        result.error = "unknown option " + arg;
        return result;
      }
      files.push_back(arg);
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
    const auto it = ValuedOptions().find(name);
    if (it == ValuedOptions().end()) {
      result.error = "unknown option --" + name;
      return result;
    }
    std::string value;
    if (eq != std::string::npos) {
      value = arg.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      result.error = "--" + name + " needs a value";
      return result;
    }
    if (std::string complaint = it->second(options, value); !complaint.empty()) {
      result.error = std::move(complaint);
      return result;
    }
  }
  if (files.size() != 1) {
    result.error = files.empty() ? "no log file given" : "give one log file, not " + std::to_string(files.size());
    return result;
  }
  options.logFile = files[0];
  result.options = std::move(options);
  return result;
}

std::string UsageText() {
  return
      "usage: zarl_score LOG [options]\n"
      "Scores a ZARL contest log (ADIF .adi or Cabrillo) with the Stats plug-in, as the\n"
      "logging program's export pass does, and writes err.txt and <CALL>.cbr.\n"
      "\n"
      "  --out DIR            working folder for Plugins/, err.txt and the .cbr (default .)\n"
      "  --points FILE        points table, copied to DIR/Plugins/Points_ZARL.txt\n"
      "                       (default: the one already there)\n"
      "  --ini FILE           plug-in settings, copied to DIR/Plugins/ZARL.ini\n"
      "                       (default: keep the one there)\n"
      "  --call CALL          own callsign (default: from the log)\n"
      "  --mode CW|SSB        contest mode (default: the settings' Mode, else the log's\n"
      "                       main mode)\n"
      "  --zone N             own zone 1-7, when the own call does not tell it\n"
      "  --cty FILE           CTY country file for logs without DXCC numbers\n"
      "                       (default /usr/share/hamradio-files/cty.dat when present)\n"
      "  --no-cty             use no CTY file: Russian calls by the built-in rule\n"
      "  --format adif|cabrillo   (default: from the file's content)\n"
      "Cabrillo header: --contest, --name, --address (once per line), --location, --club,\n"
      "  --email, --operators, --soapbox (once per line), --category-operator,\n"
      "  --category-band, --category-mode, --category-power\n"
      "\n"
      "The result text goes to standard output, messages and a summary to standard error.\n"
      "Exit status: 0 scored; 1 scored, but records were left out or no .cbr was written;\n"
      "2 nothing scored.\n";
}

}  // namespace zarl_score

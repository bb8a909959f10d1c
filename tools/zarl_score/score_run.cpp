#include "tools/zarl_score/score_run.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "platform/settings_store.h"
#include "tools/zarl_score/adif_reader.h"
#include "tools/zarl_score/cabrillo_reader.h"
#include "tools/zarl_score/country_source.h"
#include "tools/zarl_score/cp1251_utf8.h"
#include "tools/zarl_score/operator_seams.h"
#include "tools/zarl_score/replay.h"

namespace fs = std::filesystem;

namespace zarl_score {
namespace {

constexpr int kScored = 0, kScoredWithProblems = 1, kNothingScored = 2;
// So many problems of one kind are printed; the rest are counted.
constexpr std::size_t kProblemsShown = 100;
constexpr char kIniFile[] = "Plugins\\ZARL.ini";  // the plug-in's own name for its settings
constexpr char kIniSection[] = "Settings";

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  // One read into a buffer of the file's size; a log may be tens of megabytes.
  std::string bytes(static_cast<std::size_t>(fs::file_size(path, ec)), '\0');
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  bytes.resize(got);
  char more[4096];  // the file may have grown since its size was taken
  while ((got = std::fread(more, 1, sizeof more, file)) > 0) bytes.append(more, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

// ADIF's fields are tags in angle brackets; a Cabrillo file is "KEY: value" lines.
LogFormat DetectFormat(const std::string& bytes, const std::string& path) {
  const std::string ext = fs::path(path).extension().string();
  if (ext == ".cbr" || ext == ".log" || ext == ".CBR" || ext == ".LOG") return LogFormat::kCabrillo;
  if (ext == ".adi" || ext == ".adif" || ext == ".ADI" || ext == ".ADIF") return LogFormat::kAdif;
  const std::size_t start = bytes.find_first_not_of(" \t\r\n");
  if (start != std::string::npos && bytes.compare(start, 13, "START-OF-LOG:") == 0) {
    return LogFormat::kCabrillo;
  }
  return LogFormat::kAdif;
}

void PrintProblems(std::ostream& err, const std::string& file, const std::vector<LogProblem>& problems,
                   const char* kind) {
  for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) {
    err << file << ":" << problems[i].line << ": " << kind << problems[i].message << "\n";
  }
  if (problems.size() > kProblemsShown) {
    err << file << ": " << (problems.size() - kProblemsShown) << " more " << kind
        << "lines like these not shown\n";
  }
}

// Copies `from` to `to` unless both name the same file.
bool CopyInto(const std::string& from, const fs::path& to, std::ostream& err, const char* what) {
  std::error_code ec;
  if (!fs::is_regular_file(from, ec)) {
    err << "zarl_score: error: " << what << " " << from << " is not a readable file\n";
    return false;
  }
  if (fs::exists(to, ec) && fs::equivalent(from, to, ec)) return true;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    err << "zarl_score: error: cannot copy " << what << " " << from << " to " << to.string()
        << ": " << ec.message() << "\n";
    return false;
  }
  return true;
}

// Makes the folder the current directory for the replay and goes back afterwards.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const fs::path& dir) : m_Previous(fs::current_path()) {
    fs::current_path(dir);
  }
  ~ScopedCurrentDirectory() {
    std::error_code ec;
    fs::current_path(m_Previous, ec);
  }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  fs::path m_Previous;
};

// 1 CW or 0 SSB, whichever of the two more of the log's QSOs were made in.
int MainModeOf(const std::vector<LogQso>& qsos) {
  int cw = 0, ssb = 0;
  for (const LogQso& q : qsos) {
    cw += q.mode == "CW";
    ssb += q.mode == "SSB";
  }
  return cw >= ssb && cw > 0 ? 1 : 0;
}

std::string OwnCallOf(const ScoreOptions& options, const LogReadResult& log) {
  if (!options.ownCall.empty()) return options.ownCall;
  if (!log.ownCall.empty()) return log.ownCall;
  for (const LogQso& q : log.qsos) {
    if (!q.ownCall.empty()) return q.ownCall;
  }
  return {};
}

std::optional<CtyFile> LoadCty(const ScoreOptions& options, std::string& used, std::ostream& err,
                               bool& failed) {
  failed = false;
  if (options.noCty) return std::nullopt;
  std::string path;
  if (options.ctyFile) {
    path = *options.ctyFile;
  } else {
    std::error_code ec;
    if (!fs::is_regular_file(kDefaultCtyFile, ec)) return std::nullopt;
    path = kDefaultCtyFile;
  }
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) {
    err << "zarl_score: error: cannot read the CTY file " << path << "\n";
    failed = true;
    return std::nullopt;
  }
  std::vector<LogProblem> problems;
  CtyFile cty = CtyFile::Parse(*text, problems);
  PrintProblems(err, path, problems, "warning: ");
  if (cty.EntityCount() == 0) {
    err << "zarl_score: error: " << path << " holds no CTY country entries\n";
    failed = true;
    return std::nullopt;
  }
  used = path;
  return cty;
}

void PrintCountrySources(std::ostream& err, const CountrySourceCounts& counts, const std::string& ctyPath) {
  static constexpr const char* kNames[kCountrySourceCount] = {
      "from DXCC numbers", "from the CTY file ", "by the built-in rule for Russian callsigns"};
  err << "country prefixes:";
  const char* separator = " ";
  for (int i = 0; i < kCountrySourceCount; ++i) {
    if (counts[static_cast<std::size_t>(i)] == 0) continue;
    err << separator << counts[static_cast<std::size_t>(i)] << " " << kNames[i]
        << (i == static_cast<int>(CountrySource::kCtyFile) ? ctyPath : "");
    separator = ", ";
  }
  err << (separator[0] == ' ' ? " none" : "") << "\n";
}

std::vector<std::string> CountriesOf(const std::vector<LogQso>& qsos, const CountryResolver& resolver,
                                     CountrySourceCounts& sources) {
  std::vector<std::string> countries;
  countries.reserve(qsos.size());
  for (const LogQso& q : qsos) {
    CountryAnswer answer = resolver.For(q);
    ++sources[static_cast<std::size_t>(answer.source)];
    countries.push_back(std::move(answer.prefix));
  }
  return countries;
}

// The plug-in's working folder: the Plugins subfolder with the points table and the
// settings, and no Cabrillo file of an earlier run (what is there afterwards is this run's).
bool PrepareWorkingFolder(const ScoreOptions& options, const std::string& cbrName, std::ostream& err) {
  const fs::path outDir(options.outDir);
  std::error_code ec;
  fs::create_directories(outDir / "Plugins", ec);
  if (ec) {
    err << "zarl_score: error: cannot create " << (outDir / "Plugins").string() << ": " << ec.message() << "\n";
    return false;
  }
  const fs::path points = outDir / "Plugins" / "Points_ZARL.txt";
  if (!options.pointsFile.empty()) {
    if (!CopyInto(options.pointsFile, points, err, "points table")) return false;
  } else if (!fs::is_regular_file(points, ec)) {
    err << "zarl_score: error: no points table: give --points FILE (examples/Points_ZARL.txt "
           "is a made-up example table, not the contest's official one)\n";
    return false;
  }
  if (!options.iniFile.empty() && !CopyInto(options.iniFile, outDir / "Plugins" / "ZARL.ini", err, "settings file")) {
    return false;
  }
  if (fs::exists(outDir / cbrName, ec) && fs::equivalent(options.logFile, outDir / cbrName, ec)) {
    err << "zarl_score: error: the Cabrillo file would overwrite the log " << options.logFile
        << "; choose another --out\n";
    return false;
  }
  fs::remove(outDir / cbrName, ec);
  return true;
}

// The settings' "Mode" decides the Cabrillo CONTEST and CATEGORY-MODE: --mode sets it; a
// settings file without it gets the log's main mode. Runs in the working folder.
void SetContestMode(std::optional<int> mode, const std::vector<LogQso>& qsos) {
  // Values are trimmed, so none can be a line end: that marks a missing key.
  const bool stored = platform::ReadProfileValue(kIniSection, "Mode", kIniFile, 0, "\n") != "\n";
  if (!mode && stored) return;
  platform::WriteProfileValue(kIniSection, "Mode", std::to_string(mode ? *mode : MainModeOf(qsos)), kIniFile);
}

}  // namespace

int RunScoring(const ScoreOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& file = options.logFile;
  const std::optional<std::string> bytes = ReadWholeFile(file);
  if (!bytes) {
    err << "zarl_score: error: cannot read " << file << "\n";
    return kNothingScored;
  }
  const LogFormat format = options.format.value_or(DetectFormat(*bytes, file));
  const LogReadResult log = format == LogFormat::kAdif ? ReadAdif(*bytes) : ReadCabrillo(*bytes);
  PrintProblems(err, file, log.warnings, "warning: ");
  PrintProblems(err, file, log.malformed, "record left out: ");

  const auto summary = [&](int accepted, int refused, int dupes) {
    err << "summary: " << log.recordsRead << " records read, " << accepted << " accepted, "
        << refused + static_cast<int>(log.malformed.size()) << " rejected (" << refused
        << " by the contest rules, see err.txt; " << log.malformed.size() << " malformed), "
        << dupes << (dupes == 1 ? " dupe\n" : " dupes\n");
  };
  if (bytes->find_first_not_of(" \t\r\n") == std::string::npos) {
    err << "zarl_score: error: " << file << " is empty\n";
    return kNothingScored;
  }
  if (log.qsos.empty()) {
    err << "zarl_score: error: " << file << " holds no QSO record that can be scored\n";
    summary(0, 0, 0);
    return kNothingScored;
  }
  const std::string ownCall = OwnCallOf(options, log);
  if (ownCall.empty()) {
    err << "zarl_score: error: the log does not say the own callsign; give it with --call\n";
    return kNothingScored;
  }
  for (const LogQso& q : log.qsos) {
    if (!q.ownCall.empty() && q.ownCall != ownCall) {
      err << file << ":" << q.line << ": warning: own call " << q.ownCall
          << " differs; every QSO is scored for " << ownCall << "\n";
      break;
    }
  }

  std::string ctyPath;
  bool ctyFailed = false;
  const std::optional<CtyFile> cty = LoadCty(options, ctyPath, err, ctyFailed);
  if (ctyFailed) return kNothingScored;
  CountrySourceCounts sources{};
  const std::vector<std::string> countries = CountriesOf(log.qsos, CountryResolver(cty ? &*cty : nullptr), sources);

  const fs::path outDir(options.outDir);
  const std::string cbrName = CabrilloFileBase(ownCall) + ".cbr";
  if (!PrepareWorkingFolder(options, cbrName, err)) return kNothingScored;

  ReplayOutcome outcome;
  {
    ScopedCurrentDirectory inOut(outDir);
    SetContestMode(options.mode, log.qsos);
    ScopedOperatorAnswers answers(options.zone, options.header, err);
    const LogQso& first = log.qsos.front();
    const LogQso& last = log.qsos.back();
    outcome = ReplayExportPass(
        ownCall, OleDateTime::FromParts(first.year, first.month, first.day, first.hour, first.minute, first.second),
        OleDateTime::FromParts(last.year, last.month, last.day, last.hour, last.minute, last.second),
        log.qsos, countries);
  }
  if (!outcome.started) {
    err << "zarl_score: error: the plug-in could not start the contest (see its message above)\n";
    return kNothingScored;
  }

#ifdef _WIN32
  out << outcome.resultText;
#else
  out << Cp1251ToUtf8(outcome.resultText);
#endif
  out.flush();

  summary(outcome.accepted, outcome.rejected, outcome.dupes);
  PrintCountrySources(err, sources, ctyPath);
  std::error_code ec;
  const bool cbrWritten = fs::is_regular_file(outDir / cbrName, ec);
  err << "files: " << (outDir / "err.txt").string();
  if (cbrWritten) {
    err << ", " << (outDir / cbrName).string() << "\n";
  } else {
    err << "\nzarl_score: warning: the plug-in wrote no Cabrillo file " << cbrName << "\n";
  }
  return log.malformed.empty() && cbrWritten ? kScored : kScoredWithProblems;
}

}  // namespace zarl_score

#pragma once
// The command line of zarl_score.
#include <optional>
#include <string>
#include <vector>

#include "tools/zarl_score/header_options.h"

namespace zarl_score {

enum class LogFormat { kAdif, kCabrillo };

struct ScoreOptions {
  std::string logFile;
  std::optional<LogFormat> format;  // none: from the file's content
  std::string ownCall;              // "" : from the log
  std::string outDir = ".";
  std::string pointsFile;           // "" : a Plugins/Points_ZARL.txt already in outDir
  std::string iniFile;              // "" : keep outDir's Plugins/ZARL.ini, if any
  std::optional<std::string> ctyFile;  // none: the installed default, if any
  bool noCty = false;
  std::optional<int> zone;          // answer to the plug-in's own-zone question
  std::optional<int> mode;          // 1 CW, 0 SSB: the "Mode" setting for this run
  std::vector<HeaderAnswer> header;
};

struct CommandLine {
  std::optional<ScoreOptions> options;  // set when the arguments are complete and valid
  bool help = false;                    // --help was asked for
  std::string error;                    // what is wrong with the arguments
};

// `args` without the program name. Options take their value as the next argument or after
// '=' ("--out dir", "--out=dir").
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

// Where the Debian package hamradio-files installs the CTY country file.
inline constexpr char kDefaultCtyFile[] = "/usr/share/hamradio-files/cty.dat";

}  // namespace zarl_score

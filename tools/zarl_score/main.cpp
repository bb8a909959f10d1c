// zarl_score: scores a ZARL contest log with the plug-in, without the logging program.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/zarl_score/options.h"
#include "tools/zarl_score/score_run.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // The result text already ends its lines in CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  const zarl_score::CommandLine command = zarl_score::ParseCommandLine(args);
  if (command.help) {
    std::cout << zarl_score::UsageText();
    return 0;
  }
  if (!command.options) {
    std::cerr << "zarl_score: " << command.error << "\n\n" << zarl_score::UsageText();
    return 2;
  }
  try {
    return zarl_score::RunScoring(*command.options, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "zarl_score: error: " << e.what() << "\n";
    return 2;
  }
}

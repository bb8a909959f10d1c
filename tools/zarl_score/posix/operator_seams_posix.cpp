#include <utility>

#include "cabrillo/posix/header_prompt_script.h"
#include "platform/posix/scripted_seams.h"
#include "tools/zarl_score/operator_seams.h"

namespace zarl_score {

ScopedOperatorAnswers::ScopedOperatorAnswers(std::optional<int> zone, std::vector<HeaderAnswer> header,
                                             std::ostream& err) {
  platform::SetMessageBoxHandler([&err](const std::string& text, const std::string& caption) {
    err << "zarl_score: plug-in message" << (caption.empty() ? "" : " (" + caption + ")") << ": "
        << text << "\n";
  });
  platform::SetZonePromptHandler([zone, &err]() -> std::optional<int> {
    if (!zone) {
      err << "zarl_score: warning: the own callsign does not tell the own zone and no --zone "
             "was given; the plug-in scores with own zone 0 (no points)\n";
    }
    return zone;
  });
  platform::SetModePromptHandler({});
  SetCabrilloHeaderPromptHandler([answers = std::move(header)](CabrilloHeaderFields& fields) {
    ApplyHeaderAnswers(answers, fields);
    return true;
  });
}

ScopedOperatorAnswers::~ScopedOperatorAnswers() {
  SetCabrilloHeaderPromptHandler({});
  platform::SetZonePromptHandler({});
  platform::SetMessageBoxHandler({});
}

}  // namespace zarl_score

// On Windows the plug-in asks through its own dialogs, exactly as inside the host; the
// command line's header values are not used there.
#include "tools/zarl_score/operator_seams.h"

namespace zarl_score {

ScopedOperatorAnswers::ScopedOperatorAnswers(std::optional<int> zone, std::vector<HeaderAnswer> header,
                                             std::ostream& err) {
  if (zone || !header.empty()) {
    err << "zarl_score: note: on Windows the plug-in asks for the own zone and the Cabrillo "
           "header in its own dialogs; --zone and the header options are not used\n";
  }
}

ScopedOperatorAnswers::~ScopedOperatorAnswers() = default;

}  // namespace zarl_score

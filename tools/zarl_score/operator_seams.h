#pragma once
// Who answers the plug-in's questions during a run. Natively there is no operator: the
// message boxes are printed, the own-zone question is answered from --zone (or cancelled
// with a warning), and the Cabrillo header is confirmed with the command line's values.
// On Windows the plug-in's own dialogs and message boxes appear, as in the host.
#include <optional>
#include <ostream>
#include <vector>

#include "tools/zarl_score/header_options.h"

namespace zarl_score {

class ScopedOperatorAnswers {
 public:
  ScopedOperatorAnswers(std::optional<int> zone, std::vector<HeaderAnswer> header, std::ostream& err);
  ~ScopedOperatorAnswers();
  ScopedOperatorAnswers(const ScopedOperatorAnswers&) = delete;
  ScopedOperatorAnswers& operator=(const ScopedOperatorAnswers&) = delete;
};

}  // namespace zarl_score

#include "tools/zarl_score/header_options.h"

#include <set>

namespace zarl_score {

void ApplyHeaderAnswers(const std::vector<HeaderAnswer>& answers, CabrilloHeaderFields& fields) {
  // The first line given for a multi-line value replaces the stored text; later ones add.
  std::set<const HeaderOption*> started;
  for (const HeaderAnswer& a : answers) {
    std::string& field = fields.*(a.option->field);
    if (a.option->multiLine && !started.insert(a.option).second) {
      field += "\r\n" + a.value;
    } else {
      field = a.value;
    }
  }
}

}  // namespace zarl_score

#include "cabrillo/header_fields.h"
#include "cabrillo/posix/header_prompt_script.h"

#include <utility>

namespace {
CabrilloHeaderPromptHandler& Handler() {
  static CabrilloHeaderPromptHandler handler;
  return handler;
}
}  // namespace

void SetCabrilloHeaderPromptHandler(CabrilloHeaderPromptHandler handler) {
  Handler() = std::move(handler);
}

bool PromptCabrilloHeader(CabrilloHeaderFields& fields) {
  // Without an operator to ask, the values stand as prepared, as if OK had been pressed.
  return Handler() ? Handler()(fields) : true;
}

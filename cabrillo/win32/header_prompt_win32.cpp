// The header dialog is not built yet: until it is, the prepared values are confirmed as
// they stand, so an export still writes its file.
#include "cabrillo/header_fields.h"

bool PromptCabrilloHeader(CabrilloHeaderFields&) { return true; }

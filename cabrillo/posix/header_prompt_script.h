#pragma once
// Natively nobody sees the header dialog: a handler stands in for the operator. It may edit
// the fields and returns true for OK, false for Cancel. Without a handler the prepared
// values are confirmed unchanged.
#include <functional>

#include "cabrillo/header_fields.h"

using CabrilloHeaderPromptHandler = std::function<bool(CabrilloHeaderFields&)>;
void SetCabrilloHeaderPromptHandler(CabrilloHeaderPromptHandler handler);

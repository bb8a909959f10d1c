#pragma once

namespace platform {

// Hour of day 0..23 of the system clock in UTC.
int CurrentUtcHour();

}  // namespace platform

#include "platform/clock.h"

#include <windows.h>

namespace platform {

int CurrentUtcHour() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return now.wHour;
}

}  // namespace platform

#include "platform/clock.h"

#include <ctime>
#include <utility>

#include "platform/posix/scripted_seams.h"

namespace platform {
namespace {
std::function<int()>& Provider() {
  static std::function<int()> provider;
  return provider;
}
}  // namespace

void SetUtcHourProvider(std::function<int()> provider) { Provider() = std::move(provider); }

int CurrentUtcHour() {
  if (Provider()) return Provider()();
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return utc.tm_hour;
}

}  // namespace platform

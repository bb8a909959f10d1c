#include "rules/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace rules {

std::string& AppendFormat(std::string& out, const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  const int needed = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (needed < 0) return out;
  if (static_cast<size_t>(needed) < sizeof small) return out.append(small, needed);

  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(needed) + 1);
  va_start(args, format);
  std::vsnprintf(out.data() + start, static_cast<size_t>(needed) + 1, format, args);
  va_end(args);
  out.resize(start + static_cast<size_t>(needed));
  return out;
}

}  // namespace rules

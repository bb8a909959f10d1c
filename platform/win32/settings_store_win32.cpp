#include "platform/settings_store.h"

#include <windows.h>

namespace platform {

std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& file, std::size_t bufferSize,
                             const std::string& fallback) {
  if (bufferSize > 0) {
    std::string buffer(bufferSize, '\0');
    const DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferSize), file.c_str());
    buffer.resize(n);
    return buffer;
  }
  // The profile API reports a cut value only by filling the buffer: grow until it fits.
  for (DWORD size = 256;; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                             buffer.data(), size, file.c_str());
    if (n < size - 1 || size >= (1u << 24)) {
      buffer.resize(n);
      return buffer;
    }
  }
}

bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                       const std::string& file) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace platform

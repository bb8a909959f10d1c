#include "platform/host_version.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {
namespace {

std::optional<std::string> VersionOf(const char* file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file, 0, size, block.data())) return std::nullopt;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) ||
      info == nullptr || infoSize < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const unsigned major = HIWORD(info->dwFileVersionMS);
  const unsigned minor = LOWORD(info->dwFileVersionMS);
  const unsigned build = HIWORD(info->dwFileVersionLS);
  char text[48];
  if (major == 2) {
    std::snprintf(text, sizeof text, "%u.%u", major, minor);
  } else {
    std::snprintf(text, sizeof text, "%u.%u.%u", major, minor, build);
  }
  return std::string(text);
}

}  // namespace

std::optional<std::string> HostVersionText() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("*.exe", &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> version;
  bool hostFound = false;
  do {
    if (std::strstr(found.cFileName, "Qarn") != nullptr) {
      hostFound = true;
      version = VersionOf(found.cFileName);
    }
  } while (!hostFound && FindNextFileA(search, &found));
  FindClose(search);
  return version;
}

}  // namespace platform

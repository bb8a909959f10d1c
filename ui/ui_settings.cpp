#include "ui/ui_settings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/settings_store.h"

namespace ui {
namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kFile = "Plugins\\ZARL.ini";
constexpr std::size_t kValueBufferSize = 100;
}  // namespace

int ReadSettingInt(const char* key) {
  std::array<char, kValueBufferSize> buffer{};
  const std::string value = platform::ReadProfileValue(kSection, key, kFile, buffer.size());
  std::memcpy(buffer.data(), value.data(), std::min(value.size(), buffer.size() - 1));
  return std::atoi(buffer.data());
}

void WriteSettingInt(const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  platform::WriteProfileValue(kSection, key, text, kFile);
}

}  // namespace ui

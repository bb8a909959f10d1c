#include "plugin/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/settings_store.h"

const std::string g_IniSection = "Settings";
const std::string g_IniFile = "Plugins\\ZARL.ini";
ProfileBuffer g_ProfileBuf{};

const char* SettingKeyName(SettingKey key) {
  static constexpr const char* kNames[] = {
#define ZARL_SETTING_NAME(name, text) text,
      ZARL_SETTING_KEYS(ZARL_SETTING_NAME)
#undef ZARL_SETTING_NAME
  };
  return kNames[static_cast<int>(key)];
}

const char* ReadIniString(SettingKey key, ProfileBuffer& buffer) {
  const std::string value =
      platform::ReadProfileValue(g_IniSection, SettingKeyName(key), g_IniFile, buffer.size());
  const size_t n = value.size() < buffer.size() ? value.size() : buffer.size() - 1;
  std::memcpy(buffer.data(), value.data(), n);
  buffer[n] = '\0';
  return buffer.data();
}

int ReadIniInt(SettingKey key, ProfileBuffer& buffer) {
  return std::atoi(ReadIniString(key, buffer));
}

std::string ReadIniStringWhole(SettingKey key) {
  return platform::ReadProfileValue(g_IniSection, SettingKeyName(key), g_IniFile, 0);
}

void WriteIniInt(const std::string& section, const std::string& key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%i", value);
  platform::WriteProfileValue(section, key, text, g_IniFile);
}

void WriteIniInt(SettingKey key, int value) { WriteIniInt(g_IniSection, SettingKeyName(key), value); }

void WriteIniString(SettingKey key, const std::string& value) {
  platform::WriteProfileValue(g_IniSection, SettingKeyName(key), value, g_IniFile);
}

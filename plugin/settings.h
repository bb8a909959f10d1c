#pragma once
// The plug-in's settings: section "Settings" of "Plugins\ZARL.ini", read and written through
// the platform's profile functions. Every key the plug-in uses is listed once, below.
#include <array>
#include <string>

// X(enumerator, key text)
#define ZARL_SETTING_KEYS(X)        \
  X(Mode, "Mode")                   \
  X(Zone, "Zone")                   \
  X(Start, "Start")                 \
  X(Claimed, "Claimed")             \
  X(Operators, "Operators")         \
  X(Name, "Name")                   \
  X(Address, "Address")             \
  X(Location, "Location")           \
  X(Email, "Email")                 \
  X(Club, "Club")                   \
  X(SoapBox, "SoapBox")             \
  X(Contest, "Contest")             \
  X(DxccX, "dxcc_x")                \
  X(DxccY, "dxcc_y")                \
  X(OblastX, "oblast_x")            \
  X(OblastY, "oblast_y")            \
  X(ZoneRX, "zone_r_x")             \
  X(ZoneRY, "zone_r_y")

enum class SettingKey {
#define ZARL_SETTING_ENUM(name, text) name,
  ZARL_SETTING_KEYS(ZARL_SETTING_ENUM)
#undef ZARL_SETTING_ENUM
};

// The key's text as it stands in the ini file.
const char* SettingKeyName(SettingKey key);

extern const std::string g_IniSection;  // "Settings"
extern const std::string g_IniFile;     // "Plugins\ZARL.ini"

// Reads of settings go into a 100-byte buffer, so a value comes back with at most 99
// characters. The host's thread uses g_ProfileBuf; another thread brings its own buffer.
using ProfileBuffer = std::array<char, 100>;
extern ProfileBuffer g_ProfileBuf;

// Reads `key` into `buffer` (empty when missing) and returns buffer.data().
const char* ReadIniString(SettingKey key, ProfileBuffer& buffer = g_ProfileBuf);
// Reads `key` and converts it like atoi: 0 for a missing, empty or non-numeric value.
int ReadIniInt(SettingKey key, ProfileBuffer& buffer = g_ProfileBuf);
// Reads the whole value, however long (for texts the operator typed, such as an address).
std::string ReadIniStringWhole(SettingKey key);

// Writes `value` with "%i" under `key` of `section` in g_IniFile.
void WriteIniInt(const std::string& section, const std::string& key, int value);
void WriteIniInt(SettingKey key, int value);
void WriteIniString(SettingKey key, const std::string& value);

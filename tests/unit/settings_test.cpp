// The settings file as the plug-in reads and writes it. The same cases run natively (own
// profile-file implementation) and under wine (the Windows profile API), so both agree.
#include <string>

#include <gtest/gtest.h>

#include "plugin/settings.h"
#include "tests/unit/test_support.h"

namespace {

const char* kIniPath = "Plugins/ZARL.ini";

TEST(Settings, MissingFileSectionOrKeyReadsEmptyAndZero) {
  testsupport::ScopedTempCwd cwd;
  EXPECT_STREQ(ReadIniString(SettingKey::Mode), "");
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 0);

  testsupport::WriteFileBytes(kIniPath, "[Other]\r\nMode=1\r\n");
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 0);
  testsupport::WriteFileBytes(kIniPath, "[Settings]\r\nZone=3\r\n");
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 0);
  EXPECT_EQ(ReadIniInt(SettingKey::Zone), 3);
}

TEST(Settings, NumbersReadLikeAtoi) {
  testsupport::ScopedTempCwd cwd;
  const struct {
    const char* stored;
    int value;
  } cases[] = {{"1", 1}, {"CW", 0}, {"", 0}, {"-5", -5}, {"+7", 7}, {"12abc", 12}, {"4 2", 4}};
  for (const auto& c : cases) {
    WriteIniString(SettingKey::Mode, c.stored);
    EXPECT_EQ(ReadIniInt(SettingKey::Mode), c.value) << '"' << c.stored << '"';
  }
}

TEST(Settings, LongValuesAreCutTo99CharactersUnlessReadWhole) {
  testsupport::ScopedTempCwd cwd;
  const std::string longText(150, 'x');
  WriteIniString(SettingKey::SoapBox, longText);
  EXPECT_EQ(std::string(ReadIniString(SettingKey::SoapBox)), std::string(99, 'x'));
  EXPECT_EQ(ReadIniStringWhole(SettingKey::SoapBox), longText);
}

TEST(Settings, WriteIniIntWritesDecimalAndKeepsOtherKeys) {
  testsupport::ScopedTempCwd cwd;
  WriteIniInt(SettingKey::Zone, -5);
  WriteIniInt(SettingKey::Claimed, 12345);
  WriteIniString(SettingKey::Name, "Ivan Petrov");
  WriteIniInt(SettingKey::Zone, 4);
  EXPECT_STREQ(ReadIniString(SettingKey::Zone), "4");
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "12345");
  EXPECT_STREQ(ReadIniString(SettingKey::Name), "Ivan Petrov");
  WriteIniInt(g_IniSection, "zone_r_x", -1200);
  EXPECT_EQ(ReadIniInt(SettingKey::ZoneRX), -1200);
}

TEST(Settings, NamesMatchIgnoringCaseAndValuesAreTrimmed) {
  testsupport::ScopedTempCwd cwd;
  testsupport::WriteFileBytes(kIniPath,
                              "; written by hand\r\n[settings]\r\n  mode =  1  \r\n"
                              "Email=\"ua3aaa@example.org\"\r\n[Other]\r\nZone=7\r\n");
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 1);
  EXPECT_STREQ(ReadIniString(SettingKey::Email), "ua3aaa@example.org");
  EXPECT_EQ(ReadIniInt(SettingKey::Zone), 0);

  // Writing into a file written by hand keeps what the plug-in does not own.
  WriteIniInt(SettingKey::Zone, 2);
  EXPECT_EQ(ReadIniInt(SettingKey::Zone), 2);
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 1);
  const std::string text = testsupport::ReadFileBytes(kIniPath);
  EXPECT_NE(text.find("; written by hand"), std::string::npos);
  EXPECT_NE(text.find("[Other]"), std::string::npos);
}

TEST(Settings, KeyTextsAreTheOnesInTheFile) {
  EXPECT_STREQ(SettingKeyName(SettingKey::SoapBox), "SoapBox");
  EXPECT_STREQ(SettingKeyName(SettingKey::ZoneRY), "zone_r_y");
  EXPECT_STREQ(SettingKeyName(SettingKey::DxccX), "dxcc_x");
  EXPECT_EQ(g_IniSection, "Settings");
  EXPECT_EQ(g_IniFile, "Plugins\\ZARL.ini");
}

}  // namespace

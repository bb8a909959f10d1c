// The logging program's version as the Cabrillo file's CREATED-BY line gives it, read from
// the version resource of the first "*Qarn*.exe" in the working folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/host_version.h"
#include "tests/win/ui_test_support.h"

namespace {

void CopyBeside(const std::wstring& from, const std::wstring& to) {
  ASSERT_TRUE(CopyFileW((uitest::ExeFolder() + L"\\" + from).c_str(), to.c_str(), FALSE)) << GetLastError();
}

TEST(HostVersion, TwoPartsForVersionTwoThreeOtherwiseNoneWithoutAReadableResource) {
  const struct {
    const wchar_t* source;  // copied into the working folder as the host's executable
    const wchar_t* name;
    const char* expected;   // nullptr: no version
  } cases[] = {
      {L"qarn_v2.exe", L"Qarn.exe", "2.5"},
      {L"qarn_v3.exe", L"MyQarn3.exe", "3.1.5"},
      {L"win_tests.exe", L"Qarn.exe", nullptr},  // no version resource
      {L"qarn_v2.exe", L"qarn.exe", nullptr},    // the name must contain "Qarn" exactly
      {nullptr, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    testsupport::ScopedTempCwd cwd;
    if (c.source != nullptr) CopyBeside(c.source, c.name);
    const std::optional<std::string> version = platform::HostVersionText();
    if (c.expected == nullptr) {
      EXPECT_FALSE(version.has_value()) << (c.name ? "with a copy" : "empty folder");
    } else {
      EXPECT_EQ(version.value_or("none"), c.expected);
    }
  }
}

}  // namespace

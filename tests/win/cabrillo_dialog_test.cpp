// The Cabrillo header dialog of an export pass, driven as the operator would: the stored
// values shown, fields typed, OK or Cancel pressed; then the file the export writes and the
// "Output" message that reports it.
#include <windows.h>

#include <thread>

#include <gtest/gtest.h>

#include "res/cabrillo_ids.h"
#include "tests/win/ui_test_support.h"

namespace {

using uitest::PluginTest;

class CabrilloDialogTest : public PluginTest {
 protected:
  // Runs ResetStats0 for an export pass on a thread of its own (the dialog blocks it) and
  // returns the dialog window, or nullptr.
  HWND StartExportReset() {
    uitest::SetSetting("Zone", "2");  // the stroke call's zone, so no zone dialog comes first
    reset_ = std::thread([this] { resetResult_ = uitest::Reset(lib_, "UA3AAA/P", 1); });
    return WaitForWindow(L"ZARL", 10000);
  }
  void FinishReset() {
    if (reset_.joinable()) reset_.join();
  }
  void TearDown() override {
    FinishReset();
    PluginTest::TearDown();
  }
  void AddQso(const char* call, int minute, const char* exch) {
    QsoCall q;
    q.call = call;
    q.exchRcvd = exch;
    q.country = "UA";
    q.band = "40m";
    q.freqHz = 7012000;
    q.time = MakeHostTime(2026, 2, 7, 12, minute);
    ASSERT_EQ(CallQsoData(lib_.Plain().AddData0, q), 1);
  }

  std::thread reset_;
  int resetResult_ = -5;
};

TEST_F(CabrilloDialogTest, OkWritesTheFileAndReportsItInTheOutputBox) {
  uitest::SetSetting("Mode", "1");
  uitest::SetSetting("Address", "Lenina 1<CR><LF>Moscow");
  HWND dialog = StartExportReset();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CONTEST), L"ZARL-CW");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CALLSIGN), L"UA3AAA/P");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_OPERATORS), L"UA3AAA/P");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_ADDRESS), L"Lenina 1\r\nMoscow");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CATEGORY_OPERATOR), L"SINGLE-OP");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CATEGORY_BAND), L"ALL");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CATEGORY_MODE), L"CW");
  EXPECT_EQ(ControlText(dialog, IDC_CAB_CATEGORY_POWER), L"HIGH");
  SetControlText(dialog, IDC_CAB_NAME, L"Ivan Petrov");
  SetControlText(dialog, IDC_CAB_SOAPBOX, L"Nice contest\r\n73!");
  SetControlText(dialog, IDC_CAB_CATEGORY_POWER, L"LOW");
  uitest::Screenshot(L"cabrillo-header-dialog");  // for a person to look at
  ClickButton(dialog, IDOK);
  ASSERT_TRUE(WaitForWindowGone(dialog, 10000));
  FinishReset();
  EXPECT_EQ(resetResult_, 1);
  EXPECT_EQ(uitest::Setting("Name"), "Ivan Petrov");
  EXPECT_EQ(uitest::Setting("SoapBox"), "Nice contest<CR><LF>73!");
  EXPECT_EQ(uitest::Setting("Contest"), "ZARL-CW");

  AddQso("RA3DAA", 1, "2001");
  AddQso("UA1ABC", 2, "1002");
  int host = 0;
  std::string result;
  std::thread pass([&] { result = lib_.Plain().GetResult0(&host); });
  HWND box = WaitForWindow(L"Output", 10000);
  ASSERT_NE(box, nullptr);
  bool named = false;
  for (const std::wstring& text : StaticTexts(box)) named |= text == L"File produced: UA3AAA_P.cbr";
  EXPECT_TRUE(named);
  uitest::Screenshot(L"cabrillo-output-message");
  SendMessageW(box, WM_COMMAND, IDOK, 0);
  pass.join();
  EXPECT_EQ(host, -1);
  EXPECT_NE(result.find("Score: "), std::string::npos);

  const std::string file = testsupport::ReadFileBytes(cwd_.path() / "UA3AAA_P.cbr");
  EXPECT_EQ(file.rfind("START-OF-LOG: 3.0\r\nCONTEST: ZARL-CW\r\nCALLSIGN: UA3AAA/P\r\n", 0), 0u);
  EXPECT_NE(file.find("CATEGORY-POWER: LOW\r\n"), std::string::npos);
  EXPECT_NE(file.find("ADDRESS: Lenina 1\r\nADDRESS: Moscow\r\n"), std::string::npos);
  EXPECT_NE(file.find("SOAPBOX: Nice contest\r\nSOAPBOX: 73!\r\n"), std::string::npos);
  EXPECT_NE(file.find("CREATED-BY: Qarn \r\n"), std::string::npos);
  EXPECT_NE(file.find("QSO:  7012 CW 2026-02-07 1201 UA3AAA/P      599 2001   RA3DAA        599 2001\r\n"),
            std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 13), "END-OF-LOG:\r\n");
}

TEST_F(CabrilloDialogTest, CancelEndsTheExportWithoutAFileOrMessage) {
  HWND dialog = StartExportReset();
  ASSERT_NE(dialog, nullptr);
  SetControlText(dialog, IDC_CAB_NAME, L"not kept");
  ClickButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, 10000));
  FinishReset();
  EXPECT_EQ(uitest::Setting("Name"), "");
  AddQso("RA3DAA", 1, "2001");
  int host = 0;
  lib_.Plain().GetResult0(&host);  // returns at once: no message box
  EXPECT_EQ(host, -1);
  EXPECT_EQ(GetFileAttributesW(L"UA3AAA_P.cbr"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace

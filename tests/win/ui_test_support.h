#pragma once
// Shared by the Windows-side tests of the dialogs and the status windows: a working folder
// with a points file and Stats.dll loaded, settings access, the operator's captions, and
// screenshots for a person to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/unit/test_support.h"
#include "tools/host_sim/stats_library.h"
#include "tools/host_sim/window_driver.h"

namespace uitest {

// "Вид излучения" (emission mode), "Зона" (zone), "Введите номер зоны" (enter the zone
// number) and "ОК" in Cyrillic letters.
inline const std::wstring kModeCaption =
    L"\u0412\u0438\u0434 \u0438\u0437\u043b\u0443\u0447\u0435\u043d\u0438\u044f";
inline const std::wstring kZoneDialogCaption = L"\u0417\u043e\u043d\u0430";
inline const std::wstring kZonePrompt =
    L"\u0412\u0432\u0435\u0434\u0438\u0442\u0435 \u043d\u043e\u043c\u0435\u0440 \u0437\u043e\u043d\u044b";
inline const std::wstring kCyrillicOk = L"\u041e\u041a";
inline const std::wstring kZoneWindowCaption = L"Zone";
inline const std::wstring kOblastWindowCaption = L"Russian Oblast";
// The oblast window's caption from its first tick on, while the host is on none of the
// contest's bands (or not there at all).
inline const std::wstring kOblastOffBandCaption = L"Obl worked on  0 of 88";

inline constexpr char kPointsFile[] =
    "  1  2  3  4  5  6  7\r\n  2  1  2  3  4  5  6\r\n  3  2  1  2  3  4  5\r\n"
    "  4  3  2  1  2  3  4\r\n  5  4  3  2  1  2  3\r\n  6  5  4  3  2  1  2\r\n"
    "  7  6  5  4  3  2  1\r\n";

// Under wine without a window manager, windows left to the (absent) manager get no frame and
// no stacking, and every showing and hiding waits for an answer that never comes. Asking wine
// to manage this program's windows itself, as Windows does, gives the windows their caption
// and keeps the tests quick. Done before the first window: wine reads it when the program's
// display driver starts. Nothing happens on Windows.
inline bool LetWineDrawTheWindowFrames() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) return false;
  wchar_t exe[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring name = exe;
  name = name.substr(name.find_last_of(L'\\') + 1);
  const std::wstring path = L"Software\\Wine\\AppDefaults\\" + name + L"\\X11 Driver";
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const wchar_t no[] = L"N";
  RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof no);
  RegCloseKey(key);
  return true;
}
inline const bool kWineDrawsTheFrames = LetWineDrawTheWindowFrames();

// The oblast window by either of the captions it has while the host is off the bands: the
// one it opens with and the one its first tick gives it.
inline HWND WaitForOblastWindow(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    for (const std::wstring* caption : {&kOblastWindowCaption, &kOblastOffBandCaption}) {
      if (HWND window = WaitForWindow(*caption, 0)) return window;
    }
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(20);
  }
}

inline std::vector<HWND> OblastWindows() {
  std::vector<HWND> windows = WindowsWithCaption(kOblastWindowCaption);
  for (HWND window : WindowsWithCaption(kOblastOffBandCaption)) windows.push_back(window);
  return windows;
}

inline std::string Setting(const char* key) {
  char value[256] = "";
  GetPrivateProfileStringA("Settings", key, "", value, sizeof value, "Plugins\\ZARL.ini");
  return value;
}

inline void SetSetting(const char* key, const char* value) {
  WritePrivateProfileStringA("Settings", key, value, "Plugins\\ZARL.ini");
}

inline HostDateTime ContestTime() { return MakeHostTime(2026, 2, 7, 12, 0); }

inline int Reset(const StatsLibrary& lib, const std::string& ownCall = "UA3AAA", int exportPass = 0) {
  ResetArgs args;
  args.ownCall = ownCall;
  args.exportPass = exportPass;
  args.contestTime = ContestTime();
  args.contestTime2 = ContestTime();
  return CallResetStats0(lib.Plain().ResetStats0, args);
}

inline std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

// build/artifacts beside the build folders, or the folder the test script names.
inline std::wstring ArtifactsFolder() {
  if (const wchar_t* named = _wgetenv(L"ZARL_ARTIFACTS"); named != nullptr && *named) return named;
  std::wstring folder = ExeFolder();  // build/<preset>/tests/win
  for (int up = 0; up < 3; ++up) folder = folder.substr(0, folder.find_last_of(L'\\'));
  return folder + L"\\artifacts";
}

// Saves the whole screen as <artifacts>/<name>.png with ImageMagick's import, started as a
// Unix program (wine runs those directly). Returns false when it could not be taken.
inline bool Screenshot(const std::wstring& name) {
  Sleep(300);  // let the windows that just appeared finish painting
  const std::wstring folder = ArtifactsFolder();
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring file = folder + L"\\" + name + L".png";
  // The Unix program wants a Unix path: Z: is the root of the Unix file system.
  std::wstring target = file;
  if (target.size() > 2 && (target[0] == L'Z' || target[0] == L'z') && target[1] == L':') {
    target = target.substr(2);
    for (wchar_t& c : target) {
      if (c == L'\\') c = L'/';
    }
  }
  std::wstring command = L"import -window root \"" + target + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\usr\\bin\\import", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 15000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A fresh working folder with the points file and a freshly loaded Stats.dll.
class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteFileBytes(cwd_.path() / "Plugins" / "Points_ZARL.txt", kPointsFile);
    std::string error;
    ASSERT_TRUE(lib_.Load("Stats.dll", error)) << error;
  }
  void TearDown() override { lib_.Unload(); }

  testsupport::ScopedTempCwd cwd_;
  StatsLibrary lib_;
};

}  // namespace uitest

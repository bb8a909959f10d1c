#pragma once
// The logging program's automation object, as far as the plug-in's status windows use it:
// published under the ProgID "Qarn2.Application" and registered as the running object of
// its class, with a frequency and an entry-field text that the caller sets, and a record of
// every call made on it (the macros it was asked to run among them).
//
// The object lives in a single-threaded apartment on a thread of its own that keeps pumping
// messages, as the host's main window thread would, so calls from the plug-in's windows
// thread are served whatever the caller's own thread is doing.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

// The class id the simulator registers for the ProgID.
// {5B0E6C2D-3F47-4A1E-9D8C-71A2B4C6E0F3}
inline constexpr CLSID kHostAutomationClassId = {
    0x5b0e6c2d, 0x3f47, 0x4a1e, {0x9d, 0x8c, 0x71, 0xa2, 0xb4, 0xc6, 0xe0, 0xf3}};
inline constexpr const wchar_t* kHostProgId = L"Qarn2.Application";

struct HostAutomationCall {
  DISPID id;
  LCID locale;
  WORD flags;
};

class HostAutomation {
 public:
  HostAutomation();
  ~HostAutomation();
  HostAutomation(const HostAutomation&) = delete;
  HostAutomation& operator=(const HostAutomation&) = delete;

  // Writes the ProgID and class id under HKEY_CURRENT_USER\Software\Classes.
  static bool RegisterProgId();
  static void UnregisterProgId();

  // Starts the object's thread and registers the object as running. False, with `error`
  // set, when that fails.
  bool Publish(std::string& error);
  // Revokes the running object and ends its thread.
  void Withdraw();

  void SetFrequency(double hertz);
  // Text returned for the entry field (text field 5); other fields return "".
  void SetEntryText(const std::wstring& text);

  std::vector<std::wstring> Macros() const;
  std::vector<HostAutomationCall> Calls() const;
  // How often the object was asked for its IDispatch interface: a client linking to the
  // running object does that once.
  long DispatchQueries() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
};

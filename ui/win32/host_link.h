#pragma once
// The link to the logging program's automation object ("Qarn2.Application"), through which
// the status windows learn the host's frequency and the callsign being typed, and make the
// host run macro commands. Made and used on the windows' thread only, in that thread's
// single-threaded COM apartment.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace ui {

class HostLink {
 public:
  HostLink() = default;
  ~HostLink() { Release(); }
  HostLink(const HostLink&) = delete;
  HostLink& operator=(const HostLink&) = delete;

  // Finds the host's running object and keeps its IDispatch. COM must be initialised on the
  // calling thread. False when the ProgID is not registered or the object is not running;
  // the link then stays empty.
  bool Connect();
  bool connected() const { return m_Dispatch != nullptr; }

  // The host's operating frequency in hertz (dispatch id 2, property get).
  HRESULT GetHostFrequency(double& hertz);
  // One of the host's text fields (dispatch id 8); field 5 is the callsign entry field.
  // Converted with the thread's ANSI code page; an empty or null string gives "".
  HRESULT GetHostText(int field, std::string& text);
  // Makes the host run `macro` (dispatch id 16), converted from the thread's ANSI code page.
  HRESULT RunHostMacro(const std::string& macro);

  // Hands the interface over to the caller, who then owns its reference; the link is empty.
  IDispatch* Detach();
  void Release();

 private:
  IDispatch* m_Dispatch = nullptr;
};

// The status windows' link to the host; empty when none was found.
extern HostLink g_HostDispatch;

}  // namespace ui

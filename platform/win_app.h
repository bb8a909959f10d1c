#pragma once
// The smallest application-object base a plug-in library needs: the library's entry code
// calls InitInstance when it is loaded into the host and ExitInstance when it is unloaded.

class WinApp {
 public:
  virtual ~WinApp() = default;
  // Returns false to refuse the load.
  virtual bool InitInstance() { return true; }
  virtual int ExitInstance() { return 0; }
};

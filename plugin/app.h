#pragma once
#include "platform/win_app.h"

// The plug-in's application object. Loading the library runs InitInstance; unloading runs
// ExitInstance, before the contest state is destroyed.
class CTestApp : public WinApp {
 public:
  bool InitInstance() override;
  int ExitInstance() override;
};

extern CTestApp theApp;

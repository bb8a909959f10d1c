#include "plugin/app.h"

CTestApp theApp;

// Nothing is read at load time: the contest context arrives with the first ResetStats0.
bool CTestApp::InitInstance() { return WinApp::InitInstance(); }

int CTestApp::ExitInstance() { return WinApp::ExitInstance(); }

#include "plugin/app.h"

#include "plugin/ui_snapshot.h"
#include "ui/ui_thread.h"

CTestApp theApp;

// Nothing is read at load time: the contest context arrives with the first ResetStats0.
bool CTestApp::InitInstance() {
  RegisterUiSnapshotProvider();
  return WinApp::InitInstance();
}

// The status windows go first: their thread reads the contest state, which is destroyed
// after this returns.
int CTestApp::ExitInstance() {
  ui::StopUiThreadOnUnload();
  return WinApp::ExitInstance();
}

// Stats.dll's entry point: ties the application object to the library's load and unload.
#include <windows.h>

#include "plugin/app.h"
#include "platform/win32/module_instance.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      platform::SetModuleInstance(instance);
      DisableThreadLibraryCalls(instance);
      return theApp.InitInstance() ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
      theApp.ExitInstance();
      return TRUE;
    default:
      return TRUE;
  }
}

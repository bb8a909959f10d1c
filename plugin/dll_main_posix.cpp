// libStats.so's load and unload hooks, the POSIX stand-in for the DLL entry point.
#include "plugin/app.h"

__attribute__((constructor)) static void OnLibraryLoad() { theApp.InitInstance(); }
__attribute__((destructor)) static void OnLibraryUnload() { theApp.ExitInstance(); }

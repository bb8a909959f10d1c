#pragma once
// The plug-in library's own module handle, for loading its dialog templates and icon.
#include <windows.h>

namespace platform {

void SetModuleInstance(HINSTANCE instance);
// The handle given at load, or the executable's when the code is linked into a program.
HINSTANCE ModuleInstance();

}  // namespace platform

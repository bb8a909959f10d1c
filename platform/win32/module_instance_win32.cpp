#include "platform/win32/module_instance.h"

namespace platform {
namespace {
HINSTANCE g_instance = nullptr;
}

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE ModuleInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

}  // namespace platform

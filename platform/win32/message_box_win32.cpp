#include "platform/message_box.h"

#include <windows.h>

namespace platform {

void ShowMessageBox(const std::string& text, const std::string& caption) {
  MessageBoxA(nullptr, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK);
}

void ShowOutputMessage(const std::string& text, bool problem) {
  MessageBoxA(GetActiveWindow(), text.c_str(), "Output",
              MB_OK | (problem ? MB_ICONWARNING : MB_ICONINFORMATION));
}

}  // namespace platform

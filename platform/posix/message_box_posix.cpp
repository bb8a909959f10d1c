#include "platform/message_box.h"

#include <cstdio>
#include <utility>

#include "platform/posix/scripted_seams.h"

namespace platform {
namespace {
MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

void ShowMessageBox(const std::string& text, const std::string& caption) {
  if (Handler()) {
    Handler()(text, caption);
    return;
  }
  std::fprintf(stderr, "[%s] %s\n", caption.empty() ? "message" : caption.c_str(), text.c_str());
}

void ShowOutputMessage(const std::string& text, bool) { ShowMessageBox(text, "Output"); }

}  // namespace platform

#pragma once
// Native builds have no operator to click: these hooks let the tests and the command-line
// tools decide what the message box does. Without a handler messages go to stderr.
#include <functional>
#include <string>

namespace platform {

using MessageBoxHandler = std::function<void(const std::string& text, const std::string& caption)>;

// Installs `handler` for every later ShowMessageBox; an empty handler restores stderr.
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform

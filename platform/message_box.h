#pragma once
// The plug-in's only way to tell the operator something outside the result text.
#include <string>

namespace platform {

// Shows `text` in a modal message box with no owner window and an OK button, and returns
// when the operator has closed it. An empty `caption` means the system's default caption.
void ShowMessageBox(const std::string& text, const std::string& caption = {});

// The report at the end of an export: caption "Output", an information icon (a warning icon
// when `problem`), owned by the active window of the calling thread, if it has one.
void ShowOutputMessage(const std::string& text, bool problem);

}  // namespace platform

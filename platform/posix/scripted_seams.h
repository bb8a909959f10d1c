#pragma once
// Native builds have no operator to click and no windows: these hooks let the tests and
// the command-line tools decide what the message box and the prompts do, set the clock,
// and see what the exports asked of the status windows.
#include <functional>
#include <optional>
#include <string>

namespace platform {

using MessageBoxHandler = std::function<void(const std::string& text, const std::string& caption)>;

// Installs `handler` for every later ShowMessageBox; an empty handler restores stderr.
void SetMessageBoxHandler(MessageBoxHandler handler);

// Answers for the mode and zone prompts; without a handler the prompt is cancelled.
using ModePromptHandler = std::function<std::optional<int>(int currentMode)>;
using ZonePromptHandler = std::function<std::optional<int>()>;
void SetModePromptHandler(ModePromptHandler handler);
void SetZonePromptHandler(ZonePromptHandler handler);

// The UTC hour CurrentUtcHour reports; without a provider, the system clock's.
void SetUtcHourProvider(std::function<int()> provider);

// Stands in for the status windows: records what the exports asked of them.
struct StatusWindowsRecord {
  bool running = false;
  int starts = 0;
  int stops = 0;
  int refreshes = 0;
};
StatusWindowsRecord& FakeStatusWindows();

}  // namespace platform

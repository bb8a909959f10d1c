#include "platform/prompts.h"

#include <utility>

#include "platform/posix/scripted_seams.h"

namespace platform {
namespace {
ModePromptHandler& ModeHandler() {
  static ModePromptHandler handler;
  return handler;
}
ZonePromptHandler& ZoneHandler() {
  static ZonePromptHandler handler;
  return handler;
}
}  // namespace

void SetModePromptHandler(ModePromptHandler handler) { ModeHandler() = std::move(handler); }
void SetZonePromptHandler(ZonePromptHandler handler) { ZoneHandler() = std::move(handler); }

std::optional<int> PromptMode(int currentMode) {
  return ModeHandler() ? ModeHandler()(currentMode) : std::nullopt;
}

std::optional<int> PromptZone() { return ZoneHandler() ? ZoneHandler()() : std::nullopt; }

}  // namespace platform

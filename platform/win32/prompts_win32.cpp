// The mode and zone dialogs are not built yet: until they are, both questions are answered
// as if the operator had cancelled (mode unchanged; own zone from the settings only).
#include "platform/prompts.h"

namespace platform {

std::optional<int> PromptMode(int) { return std::nullopt; }

std::optional<int> PromptZone() { return std::nullopt; }

}  // namespace platform

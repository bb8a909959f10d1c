#pragma once
// The questions the plug-in puts to the operator in small modal dialogs. Each blocks the
// calling export until it is answered; nullopt means the operator cancelled.
#include <optional>

namespace platform {

// The contest mode: 1 CW, 0 SSB. `currentMode` is the mode the dialog opens with.
std::optional<int> PromptMode(int currentMode);

// The operator's own zone, for a callsign the zone cannot be read from.
std::optional<int> PromptZone();

}  // namespace platform

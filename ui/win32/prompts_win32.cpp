// The operator prompts on Windows: the mode dialog and the zone dialog.
#include "platform/prompts.h"

#include "ui/win32/mode_dialog.h"
#include "ui/win32/zone_dialog.h"

namespace platform {

std::optional<int> PromptMode(int currentMode) {
  ui::Mode dialog(currentMode);
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.m_Mode;
}

std::optional<int> PromptZone() {
  ui::Zone dialog;
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.m_Zone;
}

}  // namespace platform

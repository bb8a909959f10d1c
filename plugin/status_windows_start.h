#pragma once
// Whether ResetStats0 starts the status windows. The settings key "Start" alternates between
// evaluations: a reset that finds it 0 starts the windows (when none are open) and sets it
// to 1; one that finds it nonzero sets it back to 0 and starts nothing. An export pass sets
// it to 1 first, so the replay never opens windows.
void ApplyStatusWindowsStartRule(bool exportPass);

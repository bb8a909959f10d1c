#pragma once
// The status windows' own access to the plug-in's settings ("Settings" in
// "Plugins\ZARL.ini"). They run on their own thread, so they read through a buffer of their
// own rather than the one the exports use; the semantics are the same: a value is cut to 99
// characters and numbers convert like atoi.

namespace ui {

// The key's value as a number: 0 when it is missing, empty or not numeric.
int ReadSettingInt(const char* key);
// Writes `value` as signed decimal text, however many digits it has.
void WriteSettingInt(const char* key, int value);

}  // namespace ui

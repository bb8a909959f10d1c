#pragma once
// Hands the status windows their copy of the contest state, and takes the contest mode
// they read on their first tick.

// Registers the snapshot provider and the mode setter with the windows
// (ui/contest_snapshot.h). Called at load;
// calling it again changes nothing.
void RegisterUiSnapshotProvider();

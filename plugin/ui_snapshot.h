#pragma once
// Hands the status windows their copy of the contest state.

// Registers the snapshot provider with the windows (ui/contest_snapshot.h). Called at load;
// calling it again changes nothing.
void RegisterUiSnapshotProvider();

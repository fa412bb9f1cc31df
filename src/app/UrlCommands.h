#pragma once
// Handlers of the commands that act on the selected URLs.

// Command 2003: deletes the selected URLs (the focused row's when none is
// selected) with an undo step, then saves.
void DeleteSelectedAndSave();
// Commands 3000 + group id: moves the selected URLs (or the current row's)
// to the group, then saves. Does nothing without a current row.
void MoveToGroup(int groupId);

#pragma once
// The two edits that act on the grid's selection. Both record their own undo
// step; neither saves: the commands that call them do.

// Deletes the selected URLs, or the focused row's URL when none is selected,
// then selects the row that now stands where the focus was.
void DeleteSelectedUrls();

// Moves the URLs of the selected rows, or of `row` when none is selected, to
// the end of the group with `targetGroupId`.
void MoveUrlsToGroup(int row, int targetGroupId);

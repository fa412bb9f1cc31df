#pragma once
// Handlers of the commands that act on URLs: adding one by hand, opening,
// copying, deleting, pinning, reminders and moving to another group. Each
// checks its own preconditions (a selection, a current row) and does nothing
// without them: accelerators and buttons reach it whatever the menus show.
#include <windows.h>

// Command 40006: asks for a URL and files it as capture would.
void QuickAddUrl(HWND window);
// Commands 2028 and 2022: the in-place editor on the current row's title or
// URL, with that row made the only selection. Nothing without a current row.
void EditTitleOfCurrentRow(HWND window);
void EditUrlOfCurrentRow(HWND window);
// Command 2005: opens the selected URLs; their open counts and stamps change
// only for those really opened. Saves.
void OpenSelectedUrls(HWND window);
// Command 2004: the selected URLs, one per line, onto the clipboard.
void CopySelectedUrls(HWND window);
// Command 2003: deletes the selected URLs (the focused row's when none is
// selected) with an undo step, then saves.
void DeleteSelectedAndSave();
// Command 2002: after a Yes, empties the catalogue (tags and rules stay).
void DeleteAllUrls(HWND window);
// Command 2041: pins the selection, or unpins it when all of it is pinned.
void TogglePinSelected();
// Command 2042.
void UnpinAll();
// Command 615: asks for a reminder and gives it to every selected URL (or
// clears theirs).
void SetReminderOnSelected(HWND window);
// Command 616: removes the reminders of the selected URLs.
void ClearReminderOnSelected();
// Commands 3000 + group id: moves the selected URLs (or the current row's)
// to the group, then saves. Does nothing without a current row.
void MoveToGroup(int groupId);

#pragma once
// Handlers of the commands that add, rename, delete and reorder groups and
// tags, edit the tags of the selection and open the tag filter. Each asks
// with the main window as owner, records its undo step only once the edit
// is certain (except where a refusal is known to leave one, as for a group
// name that is taken), refreshes what shows the change and saves. Missing
// preconditions (no target group, no selection, a tag position outside the
// list, a cancelled prompt) end a command silently.
#include <windows.h>

// The group the group commands act on: the group whose heading menu sends
// the command, else the current row's group; -1 when there is neither.
int TargetGroupId();

// Command 2006: asks for a name and appends an empty group.
void AddGroupCommand(HWND window);
// Commands 2020 and 3100 + group id: asks for the group's new name.
void RenameGroupCommand(HWND window, int groupId);
// Commands 2021 and 3200 + group id: after a Yes, deletes the group and its URLs.
void DeleteGroupCommand(HWND window, int groupId);
// Commands 2023 and 2024: swaps the group with its neighbour.
void MoveGroupCommand(int groupId, bool up);
// The fixed-id forms of the four above, for the target group.
void RenameTargetGroup(HWND window);
void DeleteTargetGroup(HWND window);
void MoveTargetGroupUp(HWND window);
void MoveTargetGroupDown(HWND window);

// Command 2025: every selected URL gets the tag list chosen for the first.
void EditTagsOfSelection(HWND window);
// Command 2026: the tag filter gets the keyboard focus with its list open.
void FilterByTags(HWND window);
// Command 2027: asks for a name and adds it to the tag list.
void AddTagCommand(HWND window);
// Commands 3300 + i and 3400 + i, for the tag at position i of the tag list.
void RenameTagCommand(HWND window, int position);
void DeleteTagCommand(HWND window, int position);

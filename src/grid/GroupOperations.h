#pragma once
// Group and pin operations used by the grid's menus and the main window's
// commands. None records undo; the commands do.
#include <string>
#include <vector>

// Removes the first group with the id and files its URLs nowhere; their
// other attributes stay under their URLs, unsaved, as for any unfiled URL.
void DeleteGroup(int groupId);
// Swap with the neighbour; false when already at that end or no such group.
bool MoveGroupUp(int groupId);
bool MoveGroupDown(int groupId);
// Pins or unpins the URLs, refreshes the grid and saves.
void SetPinned(const std::vector<std::wstring>& urls, bool pinned);

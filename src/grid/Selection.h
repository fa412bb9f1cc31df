#pragma once
// The grid's selection model: rows are indices into g_grid.visibleRows, the
// selection is the set of selected URL texts, the focus one row index.
#include <string>
#include <vector>

bool IsRowSelected(int row);
std::vector<int> GetSelectedRows();
std::vector<std::wstring> GetSelectedUrls();
int GetFocusRow();
void SelectOnlyRow(int row);
// Adds the row's URL and focuses it, or removes it and moves the focus to the
// first selected row when it had the focus.
void ToggleRowSelection(int row);

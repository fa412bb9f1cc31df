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

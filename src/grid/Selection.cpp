#include "grid/Selection.h"

#include "grid/GridState.h"

static bool RowExists(int row) { return row >= 0 && row < static_cast<int>(g_grid.visibleRows.size()); }

bool IsRowSelected(int row) {
    return RowExists(row) && g_grid.selectedUrls.count(g_grid.visibleRows[row].url) != 0;
}

std::vector<int> GetSelectedRows() {
    std::vector<int> rows;
    if (g_grid.selectedUrls.empty()) return rows;
    const int count = static_cast<int>(g_grid.visibleRows.size());
    for (int row = 0; row < count; ++row)
        if (IsRowSelected(row)) rows.push_back(row);
    return rows;
}

// Selected URLs that no filter lets through stay selected but are left out:
// commands act only on what the user can see.
std::vector<std::wstring> GetSelectedUrls() {
    std::vector<std::wstring> urls;
    for (int row : GetSelectedRows()) urls.push_back(g_grid.visibleRows[row].url);
    return urls;
}

// A focus on a row that is no longer selected (the selection changed under
// it) moves to the first selected row, and stays there.
int GetFocusRow() {
    if (g_grid.focusRow >= 0 && IsRowSelected(g_grid.focusRow)) return g_grid.focusRow;
    int first = -1;
    const int count = static_cast<int>(g_grid.visibleRows.size());
    for (int row = 0; row < count && first < 0; ++row)
        if (IsRowSelected(row)) first = row;
    g_grid.focusRow = first;
    return first;
}

void SelectOnlyRow(int row) {
    g_grid.selectedUrls.clear();
    g_grid.focusRow = -1;
    if (RowExists(row)) {
        g_grid.selectedUrls.insert(g_grid.visibleRows[row].url);
        g_grid.focusRow = row;
    }
    UpdateStatusBar();
}

void ToggleRowSelection(int row) {
    if (!RowExists(row)) return;
    const std::wstring& url = g_grid.visibleRows[row].url;
    if (g_grid.selectedUrls.insert(url).second) {
        g_grid.focusRow = row;
    } else {
        g_grid.selectedUrls.erase(url);
        if (g_grid.focusRow == row) {
            g_grid.focusRow = -1;
            GetFocusRow();
        }
    }
    UpdateStatusBar();
}

#pragma once
// The grid view's own state and the refresh entry points the rest of the
// program calls after it changes the catalogue. Every refresh does nothing
// while the grid window does not exist.
#include <windows.h>

#include <set>
#include <string>

struct GridState {
    std::set<std::wstring> selectedUrls;
    int focusRow = -1;
    std::set<int> collapsedGroups;
    int scrollY = 0;
};

extern GridState g_grid;
extern HWND g_gridWindow;

// Empties selection and collapsed groups, drops the focus and scrolls to the top.
void ResetGridViewState();

void RefreshGrid();
void RefreshGridWithColumns();
void AutoSizeColumns();

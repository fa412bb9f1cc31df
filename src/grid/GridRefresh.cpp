#include "grid/GridState.h"

GridState g_grid;
HWND g_gridWindow = nullptr;

void ResetGridViewState() {
    g_grid.selectedUrls.clear();
    g_grid.collapsedGroups.clear();
    g_grid.focusRow = -1;
    g_grid.scrollY = 0;
}

void RefreshGrid() {
    if (!g_gridWindow || !IsWindow(g_gridWindow)) return;
    InvalidateRect(g_gridWindow, nullptr, FALSE);
}

void RefreshGridWithColumns() { RefreshGrid(); }

void AutoSizeColumns() {}

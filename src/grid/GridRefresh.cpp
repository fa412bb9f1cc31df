#include "grid/GridState.h"

#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/RefreshBatch.h"
#include "grid/VisibleRows.h"

GridState g_grid;
HWND g_gridWindow = nullptr;

static bool GridExists() { return g_gridWindow && IsWindow(g_gridWindow); }

void ResetGridViewState() {
    g_grid.selectedUrls.clear();
    g_grid.collapsedGroups.clear();
    g_grid.focusRow = -1;
    g_grid.topLine = 0;
}

// An open in-place editor follows its URL's row, which the rebuild may have
// moved, or closes when the row is gone from the page.
void RefreshGrid() {
    if (!GridExists() || GridRefreshBatch::Defer()) return;
    RebuildVisibleRows();
    UpdateScrollBars();
    UpdateStatusBar();
    RepositionInlineEdit();
    InvalidateRect(g_gridWindow, nullptr, FALSE);
}

void RefreshGridWithColumns() {
    if (!GridExists()) return;
    RebuildVisibleRows();
    AutoSizeColumns();
    UpdateScrollBars();
    UpdateStatusBar();
    RepositionInlineEdit();
    InvalidateRect(g_gridWindow, nullptr, FALSE);
}


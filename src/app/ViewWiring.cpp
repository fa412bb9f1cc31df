#include "app/ViewWiring.h"

#include "app/Menus.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "model/CatalogueViews.h"
#include "model/Undo.h"
#include "net/FaviconFetch.h"

namespace {

// An undo step keeps the grid's selection, focus and collapsed groups with
// the catalogue, so that taking it back shows the rows as they were.
void SaveGridView(UndoSnapshot& snapshot) {
    snapshot.selectedUrls = g_grid.selectedUrls;
    snapshot.focusRow = g_grid.focusRow;
    snapshot.collapsedGroups = g_grid.collapsedGroups;
}

void RestoreGridView(UndoSnapshot& snapshot) {
    g_grid.selectedUrls = std::move(snapshot.selectedUrls);
    g_grid.focusRow = snapshot.focusRow;
    g_grid.collapsedGroups = std::move(snapshot.collapsedGroups);
}

}  // namespace

void ConnectCatalogueViews() {
    g_catalogueViews.rowsChanged = RefreshGrid;
    g_catalogueViews.rowsAndColumnsChanged = RefreshGridWithColumns;
    g_catalogueViews.columnsChanged = AutoSizeColumns;
    g_catalogueViews.catalogueCleared = ResetGridViewState;
    g_catalogueViews.urlFiled = StartFaviconFetch;
    g_catalogueViews.tagsChanged = FillTagFilterCombo;
    g_catalogueViews.remindersChanged = FillReminderFilterCombo;
    g_catalogueViews.groupsChanged = RebuildGroupMenus;
    g_catalogueViews.saveViewInto = SaveGridView;
    g_catalogueViews.restoreViewFrom = RestoreGridView;
}

#include "grid/SelectionEdits.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "grid/GridState.h"
#include "grid/Selection.h"
#include "model/AppState.h"
#include "model/CatalogueEdits.h"
#include "model/Undo.h"

void DeleteSelectedUrls() {
    const int r = GetFocusRow();
    std::vector<std::wstring> doomed = GetSelectedUrls();
    if (doomed.empty() && r >= 0) doomed.push_back(g_grid.visibleRows[r].url);
    if (doomed.empty()) return;

    PushUndo(L"Delete");
    RemoveUrls(doomed);
    const std::set<std::wstring> gone(doomed.begin(), doomed.end());
    std::erase_if(g_grid.selectedUrls, [&gone](const std::wstring& url) { return gone.count(url) != 0; });

    // The deleted rows leave the row list at once: without a grid window
    // nothing rebuilds it, and the row chosen below must never be a URL that
    // is gone. With a window the rebuild gives the same list.
    std::erase_if(g_grid.visibleRows, [&gone](const VisibleRow& row) { return gone.count(row.url) != 0; });
    RefreshGridWithColumns();

    const int n = static_cast<int>(g_grid.visibleRows.size());
    if (n == 0)
        SelectOnlyRow(-1);
    else
        SelectOnlyRow(std::min(std::max(r, 0), n - 1));
}

void MoveUrlsToGroup(int row, int targetGroupId) {
    std::vector<int> rows = GetSelectedRows();
    // A row past the end is treated like no row: it names no URL to move.
    if (rows.empty() && row >= 0 && row < static_cast<int>(g_grid.visibleRows.size())) rows.push_back(row);
    if (rows.empty()) return;
    if (!FindGroupById(targetGroupId)) return;

    PushUndo(L"Move to Group");
    std::vector<UrlPlace> sources;
    sources.reserve(rows.size());
    for (int index : rows) sources.push_back({g_grid.visibleRows[index].groupId, g_grid.visibleRows[index].url});
    MoveUrls(sources, targetGroupId);

    RefreshGridWithColumns();
    RefreshGrid();
}

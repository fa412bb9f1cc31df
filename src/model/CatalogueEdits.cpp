#include "model/CatalogueEdits.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "grid/GridState.h"
#include "grid/Selection.h"
#include "model/AppState.h"
#include "model/Undo.h"

namespace {

// How many times each URL is to be taken out of a list: a URL named n times
// loses its first n entries, as if "remove the first entry equal to it" were
// repeated n times.
using RemovalCounts = std::map<std::wstring, int>;

// One pass over the list however many URLs are removed: removing them one by
// one, each with its own search, is quadratic for a large selection in a
// large group. The tally only holds URLs this list actually loses, so many
// groups cost no copies of a large removal list.
void RemoveFirstEntries(std::vector<std::wstring>& urls, const RemovalCounts& wanted) {
    RemovalCounts taken;
    auto kept = std::remove_if(urls.begin(), urls.end(), [&](const std::wstring& url) {
        auto it = wanted.find(url);
        if (it == wanted.end()) return false;
        int& count = taken[url];
        if (count == it->second) return false;
        ++count;
        return true;
    });
    urls.erase(kept, urls.end());
}

template <typename Map>
void EraseKeys(Map& map, const RemovalCounts& urls) {
    for (const auto& [url, count] : urls) map.erase(url);
}

}  // namespace

void DeleteSelectedUrls() {
    const int r = GetFocusRow();
    std::vector<std::wstring> doomed = GetSelectedUrls();
    if (doomed.empty() && r >= 0) doomed.push_back(g_grid.visibleRows[r].url);
    if (doomed.empty()) return;

    PushUndo(L"Delete");

    RemovalCounts counts;
    for (const std::wstring& url : doomed) ++counts[url];
    for (UrlGroup& group : g_app.groups) RemoveFirstEntries(group.urls, counts);
    EraseKeys(g_app.allUrls, counts);
    EraseKeys(g_grid.selectedUrls, counts);
    EraseKeys(g_app.pinnedUrls, counts);
    EraseKeys(g_app.titles, counts);
    EraseKeys(g_app.createdAt, counts);
    EraseKeys(g_app.urlTags, counts);
    EraseKeys(g_app.updatedAt, counts);
    EraseKeys(g_app.validationStatus, counts);
    EraseKeys(g_app.openCounts, counts);
    EraseKeys(g_app.lastOpenedAt, counts);
    // A deleted URL's reminder would otherwise still fire until the next
    // start, since the reminder check walks every entry. Undo brings the
    // entries back with the rest of the snapshot.
    EraseKeys(g_app.reminderDates, counts);
    EraseKeys(g_app.reminderActions, counts);
    EraseKeys(g_app.reminderRepeats, counts);

    // The deleted rows leave the row list at once: without a grid window
    // nothing rebuilds it, and the row chosen below must never be a URL that
    // is gone. With a window the rebuild gives the same list.
    std::erase_if(g_grid.visibleRows,
                  [&counts](const VisibleRow& row) { return counts.count(row.url) != 0; });
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
    UrlGroup* target = FindGroupById(targetGroupId);
    if (!target) return;

    PushUndo(L"Move to Group");

    // Removals are gathered per source group and done in one pass each, for
    // the same reason as in DeleteSelectedUrls; the appends keep row order.
    std::map<int, RemovalCounts> removals;
    for (int index : rows) {
        const VisibleRow& source = g_grid.visibleRows[index];
        if (source.groupId == targetGroupId) continue;
        ++removals[source.groupId][source.url];
        target->urls.push_back(source.url);
    }
    for (const auto& [groupId, counts] : removals)
        if (UrlGroup* group = FindGroupById(groupId)) RemoveFirstEntries(group->urls, counts);

    RefreshGridWithColumns();
    RefreshGrid();
}

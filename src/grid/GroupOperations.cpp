#include "grid/GroupOperations.h"

#include <algorithm>

#include "grid/GridState.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "storage/Database.h"

void DeleteGroup(int groupId) {
    auto group = std::find_if(g_app.groups.begin(), g_app.groups.end(),
                              [&](const UrlGroup& g) { return g.id == groupId; });
    if (group == g_app.groups.end()) return;
    g_app.groupUpdatedAt.erase(group->name);
    for (const std::wstring& url : group->urls) {
        g_app.allUrls.erase(url);
        g_grid.selectedUrls.erase(url);
        g_app.pinnedUrls.erase(url);
        // A reminder of a URL that is gone would still fire.
        g_app.reminderDates.erase(url);
        g_app.reminderActions.erase(url);
        g_app.reminderRepeats.erase(url);
    }
    g_app.groups.erase(group);
    SetGroupCollapsed(groupId, false);
    RefreshGrid();
}

static bool SwapWithNeighbour(int groupId, int step) {
    auto group = std::find_if(g_app.groups.begin(), g_app.groups.end(),
                              [&](const UrlGroup& g) { return g.id == groupId; });
    if (group == g_app.groups.end()) return false;
    auto index = group - g_app.groups.begin();
    auto other = index + step;
    if (other < 0 || other >= (long)g_app.groups.size()) return false;
    std::swap(g_app.groups[index], g_app.groups[other]);
    return true;
}

bool MoveGroupUp(int groupId) { return SwapWithNeighbour(groupId, -1); }
bool MoveGroupDown(int groupId) { return SwapWithNeighbour(groupId, +1); }

void SetPinned(const std::vector<std::wstring>& urls, bool pinned) {
    for (const std::wstring& url : urls) {
        if (pinned)
            g_app.pinnedUrls.insert(url);
        else
            g_app.pinnedUrls.erase(url);
    }
    RefreshGridWithColumns();
    SaveCatalogue();
}

#include <algorithm>
#include <string>
#include <vector>

#include "grid/RowFilters.h"
#include "grid/RowSort.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "settings/Settings.h"

namespace {

// The filters of one rebuild, with everything that does not depend on the
// URL worked out once.
struct RowFilter {
    bool byReminder = false;
    ReminderClock clock;
    const std::wstring* tag = nullptr;
    std::wstring key;  // folded search key, empty for no search

    bool Passes(const std::wstring& url) const {
        if (byReminder) {
            auto it = g_app.reminderDates.find(url);
            const std::wstring* due = it == g_app.reminderDates.end() ? nullptr : &it->second;
            if (!PassesReminderFilter(g_settings.reminderFilter, due, clock)) return false;
        }
        if (tag) {
            auto it = g_app.urlTags.find(url);
            if (it == g_app.urlTags.end()) return false;
            if (std::find(it->second.begin(), it->second.end(), *tag) == it->second.end()) return false;
        }
        if (!key.empty()) {
            // The "Title" cell of a URL without a title is the URL itself,
            // so the URL is searched first and the title only when it differs.
            if (ContainsFolded(url, key)) return true;
            auto it = g_app.titles.find(url);
            if (it == g_app.titles.end() || it->second.empty()) return false;
            return ContainsFolded(it->second, key);
        }
        return true;
    }
};

RowFilter CurrentFilter(const std::wstring& searchText) {
    RowFilter filter;
    // The clock is read once per rebuild rather than once per URL: the
    // answers differ only for a rebuild that straddles a minute boundary.
    if (IsReminderFilterName(g_settings.reminderFilter)) {
        filter.byReminder = true;
        filter.clock = ReadReminderClock();
    }
    if (!g_settings.tagFilter.empty()) filter.tag = &g_settings.tagFilter;
    filter.key = FoldAsciiCase(searchText);
    return filter;
}

// Overwrites row `n` in place so that a rebuild reuses the strings of the
// previous one instead of allocating one per row.
void PutRow(std::vector<VisibleRow>& rows, size_t n, int groupId, const std::wstring& url) {
    if (n < rows.size()) {
        rows[n].groupId = groupId;
        rows[n].url.assign(url);
    } else {
        rows.push_back(VisibleRow{groupId, url});
    }
}

// A few selected URLs are looked up one by one. A large selection (select
// all) is checked in one merged walk of both sets, which share their order,
// instead of a lookup per selected URL.
void PruneSelection() {
    auto& selected = g_grid.selectedUrls;
    const auto& all = g_app.allUrls;
    if (selected.size() * 32 < all.size()) {
        std::erase_if(selected, [&](const std::wstring& url) { return all.count(url) == 0; });
        return;
    }
    auto known = all.begin();
    for (auto it = selected.begin(); it != selected.end();) {
        while (known != all.end() && *known < *it) ++known;
        if (known != all.end() && *known == *it)
            ++it;
        else
            it = selected.erase(it);
    }
}

}  // namespace

void RebuildVisibleRows() { RebuildVisibleRowsWithSearch(GetSearchText()); }

void RebuildVisibleRowsWithSearch(const std::wstring& searchText) {
    const RowFilter filter = CurrentFilter(searchText);
    const int sortColumn = g_settings.sortColumn;
    const bool pinsExist = !g_app.pinnedUrls.empty();
    const auto isPinned = [](const std::wstring* url) { return g_app.pinnedUrls.count(*url) != 0; };

    std::vector<VisibleRow>& rows = g_grid.visibleRows;
    size_t count = 0;
    std::vector<const std::wstring*> candidates;
    for (const UrlGroup& group : g_app.groups) {
        candidates.clear();
        for (const std::wstring& url : group.urls)
            if (filter.Passes(url)) candidates.push_back(&url);
        // 0 is "#", whose text is the row number: sorting by it keeps the
        // group's own order, like no sort at all.
        if (sortColumn > 0) SortUrlsByColumn(candidates, sortColumn, g_settings.sortAscending);
        if (pinsExist) std::stable_partition(candidates.begin(), candidates.end(), isPinned);
        for (const std::wstring* url : candidates) PutRow(rows, count++, group.id, *url);
    }
    rows.resize(count);
    ++g_grid.rowsGeneration;

    if (g_grid.focusRow >= static_cast<int>(count)) g_grid.focusRow = static_cast<int>(count) - 1;
    PruneSelection();
}

int RowOfUrl(const std::wstring& url) {
    if (url.empty()) return -1;
    const auto& rows = g_grid.visibleRows;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].url == url) return static_cast<int>(i);
    return -1;
}

#include <algorithm>
#include <string>
#include <vector>

#include "grid/RowFilters.h"
#include "grid/RowSort.h"
#include "grid/RowTextCache.h"
#include "grid/UrlIndex.h"
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

    const RowTextCache* cache = nullptr;

    bool Passes(const std::wstring& url, const RowTexts* texts) const {
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
            if (texts) {
                if (cache->Url(*texts).find(key) != std::wstring_view::npos) return true;
                return !texts->titleIsUrl && cache->Title(*texts).find(key) != std::wstring_view::npos;
            }
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

// Row strings of earlier rebuilds, kept so that a search that narrows the
// list and a backspace that widens it again reuse their buffers instead of
// freeing and allocating one string per row.
std::vector<std::wstring> g_spareRowUrls;

void PutRow(std::vector<VisibleRow>& rows, size_t n, int groupId, const std::wstring& url) {
    if (n < rows.size()) {
        rows[n].groupId = groupId;
        rows[n].url.assign(url);
        return;
    }
    VisibleRow row{groupId, {}};
    if (!g_spareRowUrls.empty()) {
        row.url = std::move(g_spareRowUrls.back());
        g_spareRowUrls.pop_back();
    }
    row.url.assign(url);
    rows.push_back(std::move(row));
}

void TrimRows(std::vector<VisibleRow>& rows, size_t count) {
    for (size_t i = count; i < rows.size(); ++i) g_spareRowUrls.push_back(std::move(rows[i].url));
    rows.resize(count);
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

namespace {

void BuildRows(const std::wstring& searchText, bool catalogueChanged) {
    if (catalogueChanged) DropRowTexts();
    RowFilter filter = CurrentFilter(searchText);
    const int sortColumn = g_settings.sortColumn;
    const bool pinsExist = !g_app.pinnedUrls.empty();
    // The cache is built when a search or a title or URL sort would
    // otherwise look up every URL in the maps; one that is still valid is
    // used anyway.
    const bool useCache = !filter.key.empty() || sortColumn == ColumnId::Title ||
                          sortColumn == ColumnId::Url || (!catalogueChanged && g_grid.rowTexts);
    const RowTextCache* cache = useCache ? &CurrentRowTexts() : nullptr;
    filter.cache = cache;
    // Without the cache, pins are told apart through a hash of the few
    // pinned URLs rather than an ordered-set lookup per row.
    const UrlIndex pins = pinsExist && !cache
                              ? UrlIndex(g_app.pinnedUrls, [](const std::wstring& url) { return &url; })
                              : UrlIndex();
    const auto isPinned = [&pins](const RowCandidate& row) {
        return row.texts ? row.texts->pinned : pins.Find(*row.url) != nullptr;
    };

    std::vector<VisibleRow>& rows = g_grid.visibleRows;
    size_t count = 0;
    std::vector<RowCandidate> candidates;
    for (size_t g = 0; g < g_app.groups.size(); ++g) {
        const UrlGroup& group = g_app.groups[g];
        const RowTexts* texts = cache ? cache->entries.data() + cache->groupStart[g] : nullptr;
        candidates.clear();
        for (size_t i = 0; i < group.urls.size(); ++i) {
            const RowTexts* own = texts ? texts + i : nullptr;
            if (filter.Passes(group.urls[i], own)) candidates.push_back({&group.urls[i], own});
        }
        // 0 is "#", whose text is the row number: sorting by it keeps the
        // group's own order, like no sort at all.
        if (sortColumn > 0) SortRowsByColumn(candidates, sortColumn, g_settings.sortAscending, cache);
        if (pinsExist) std::stable_partition(candidates.begin(), candidates.end(), isPinned);
        for (const RowCandidate& row : candidates) PutRow(rows, count++, group.id, *row.url);
    }
    TrimRows(rows, count);
    ++g_grid.rowsGeneration;

    if (g_grid.focusRow >= static_cast<int>(count)) g_grid.focusRow = static_cast<int>(count) - 1;
    PruneSelection();
}

}  // namespace

void RebuildVisibleRows() { BuildRows(GetSearchText(), true); }
void RebuildVisibleRowsWithSearch(const std::wstring& searchText) { BuildRows(searchText, true); }
void RefilterVisibleRows() { BuildRows(GetSearchText(), false); }
void RefilterVisibleRowsWithSearch(const std::wstring& searchText) { BuildRows(searchText, false); }

int RowOfUrl(const std::wstring& url) {
    if (url.empty()) return -1;
    const auto& rows = g_grid.visibleRows;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].url == url) return static_cast<int>(i);
    return -1;
}

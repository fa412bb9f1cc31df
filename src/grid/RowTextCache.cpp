#include "grid/RowTextCache.h"

#include <memory>

#include "grid/GridState.h"
#include "grid/UrlIndex.h"
#include "model/AppState.h"

namespace {

inline wchar_t Fold(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

uint32_t AppendFolded(std::wstring& arena, std::wstring_view text) {
    size_t start = arena.size();
    arena.append(text);
    for (size_t i = start; i < arena.size(); ++i) arena[i] = Fold(arena[i]);
    return static_cast<uint32_t>(start);
}

std::shared_ptr<RowTextCache> Build() {
    auto cache = std::make_shared<RowTextCache>();
    const UrlIndex titles(g_app.titles,
                          [](const auto& entry) { return entry.second.empty() ? nullptr : &entry.second; });
    const UrlIndex pins(g_app.pinnedUrls, [](const std::wstring& url) { return &url; });
    // Titles are looked up first so that the folded texts can go into an
    // arena of the right size, not one that is copied while it doubles.
    size_t total = 0, length = 0;
    for (const UrlGroup& group : g_app.groups) total += group.urls.size();
    std::vector<const std::wstring*> titleOf;
    titleOf.reserve(total);
    for (const UrlGroup& group : g_app.groups) {
        for (const std::wstring& url : group.urls) {
            const std::wstring* title = titles.Find(url);
            titleOf.push_back(title);
            length += url.size() + (title ? title->size() : 0);
        }
    }
    cache->arena.reserve(length);
    cache->entries.reserve(total);
    cache->groupStart.reserve(g_app.groups.size() + 1);
    size_t n = 0;
    for (const UrlGroup& group : g_app.groups) {
        cache->groupStart.push_back(cache->entries.size());
        for (const std::wstring& url : group.urls) {
            RowTexts e;
            e.urlOffset = AppendFolded(cache->arena, url);
            e.urlLength = static_cast<uint32_t>(url.size());
            e.titleOffset = e.urlOffset;
            e.titleLength = e.urlLength;
            if (const std::wstring* title = titleOf[n++]) {
                e.titleOffset = AppendFolded(cache->arena, *title);
                e.titleLength = static_cast<uint32_t>(title->size());
                e.titleIsUrl = false;
            }
            e.pinned = pins.Find(url) != nullptr;
            cache->entries.push_back(e);
        }
    }
    cache->groupStart.push_back(cache->entries.size());
    return cache;
}

// A cache that does not fit the groups' sizes would index past a group's
// list; it is never used, whoever forgot to drop it.
bool FitsCatalogue(const RowTextCache& cache) {
    const auto& groups = g_app.groups;
    if (cache.groupStart.size() != groups.size() + 1) return false;
    for (size_t g = 0; g < groups.size(); ++g)
        if (cache.groupStart[g + 1] - cache.groupStart[g] != groups[g].urls.size()) return false;
    return true;
}

}  // namespace

const RowTextCache& CurrentRowTexts() {
    auto& cache = g_grid.rowTexts;
    if (!cache || !FitsCatalogue(*cache)) cache = Build();
    return *cache;
}

void DropRowTexts() {
    g_grid.rowTexts.reset();
    // A burst of changes (a capture of many addresses, an undo) resets the
    // timer each time, so the cache is built once after the last of them.
    if (g_gridWindow && IsWindow(g_gridWindow)) SetTimer(g_gridWindow, kRowTextsTimer, kRowTextsDelayMs, nullptr);
}

void OnRowTextsTimer() {
    if (g_gridWindow) KillTimer(g_gridWindow, kRowTextsTimer);
    CurrentRowTexts();
}
